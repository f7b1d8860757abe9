#pragma once
// Binds a form's control fields to the components its definition created,
// as the definition's names say.

#include <stdexcept>
#include <string>

#include "framework/component/TComponent.h"

template <class T> void BindComponent(TComponent* root, T*& field, const char* name) {
    field = dynamic_cast<T*>(root->FindComponent(name));
    if (!field)
        throw std::runtime_error(root->Name() + ": the definition has no " + name +
                                 " of the expected class");
}
