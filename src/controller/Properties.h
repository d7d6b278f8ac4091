#pragma once

// The properties belong to the form they are shown in; kept here for code that includes them
// from the controller.
#include "form/Properties.h"
