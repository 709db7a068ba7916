#pragma once
// The published properties of TURLLabel, for form descriptions; the program
// passes this to RegisterClasses.

#include "framework/ClassRegistry.h"

const TClassInfo& TURLLabelClass();
