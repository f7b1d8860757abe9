#pragma once
// The screen as the program sees it: its size and work area, the forms in
// creation order, the active form and a cursor that overrides every control's.

#include <vector>

#include "component/TComponent.h"
#include "window/ControlTypes.h"

class TCustomForm;

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int WorkAreaLeft() const { return WorkAreaRect().Left; }
    int WorkAreaTop() const { return WorkAreaRect().Top; }
    int WorkAreaWidth() const { return WorkAreaRect().Width(); }
    int WorkAreaHeight() const { return WorkAreaRect().Height(); }

    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int i) const { return FForms[i]; }
    TCustomForm* ActiveForm() const;
    TWinControl* ActiveControl() const;

    // crDefault lets every control show its own cursor.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor c);

    TNotifyEvent OnActiveFormChange;

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* f);
    void RemoveForm(TCustomForm* f);
    void SetActiveForm(TCustomForm* f);

    std::vector<TCustomForm*> FForms;
    TControlRef FActiveForm;
    TCursor FCursor = crDefault;
};

// The process's screen object; created with the application.
extern TScreen* Screen;
