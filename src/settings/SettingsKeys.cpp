#include "settings/SettingsKeys.h"
