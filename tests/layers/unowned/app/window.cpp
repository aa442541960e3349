#include "nowhere.h"
