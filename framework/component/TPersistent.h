#pragma once
// Roots of the class tree. TObject is what events pass as Sender; TPersistent
// is everything a form definition can set properties on. Each streamable
// class describes itself with a TClassInfo (see TClassRegistry.h).

#include <functional>

struct TClassInfo;

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
public:
    // The most derived registered class of this object.
    virtual const TClassInfo* ClassInfo() const { return nullptr; }
};
