#pragma once
// Without a session bus there is nothing SDL would ask over D-Bus (input
// methods, the screen saver), yet libdbus would try to launch one and keep a
// block it never frees. While one of these lives, the bus address says
// "disabled:" unless one was set; the programs the launcher starts never see
// that address (it is the program's own variable, see ChildEnvironment.h).
// SDL does not try the bus again once it failed.
//
// Setting the environment while another thread reads it is undefined, so the
// program makes one before it starts any thread and keeps it until they are
// joined; the SDL host's own then finds the address set and changes nothing.

class TNoBusLaunch {
public:
    TNoBusLaunch();
    ~TNoBusLaunch();
    TNoBusLaunch(const TNoBusLaunch&) = delete;
    TNoBusLaunch& operator=(const TNoBusLaunch&) = delete;

    // Removes the address now rather than at the end of the scope.
    void Restore();

private:
    bool FSet = false;
};
