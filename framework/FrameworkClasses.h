#pragma once
// The published properties of the class library's own classes. A component
// class of the program chains its own list to the one it derives from.

#include "framework/ClassRegistry.h"

const TClassInfo& TComponentClass();
const TClassInfo& TControlClass();
const TClassInfo& TWinControlClass();
const TClassInfo& TFormClass();
const TClassInfo& TLabelClass();
const TClassInfo& TPopupMenuClass();
const TClassInfo& TMenuItemClass();
const TClassInfo& TImageListClass();
const TClassInfo& TComboBox98Class();

// Makes the classes above known to FindClass; it calls this itself.
void RegisterFrameworkClasses();
