#pragma once
// The published properties of DOveVA, for form descriptions: DefaultDir,
// FileName and Fence, in that order. The program passes this to RegisterClasses.

#include "framework/ClassRegistry.h"

const TClassInfo& DOveVAClass();
