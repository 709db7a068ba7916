#pragma once
// The published properties of TTrayIcon, for form descriptions; the program
// passes this to RegisterClasses.

#include "framework/ClassRegistry.h"

const TClassInfo& TTrayIconClass();
