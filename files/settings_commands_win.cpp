#include "files/settings_commands_win.h"

void CmdSaveSettings() {}

void CmdLoadSettings() {}
