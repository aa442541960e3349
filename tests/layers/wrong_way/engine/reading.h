#pragma once

#include "look.h"
