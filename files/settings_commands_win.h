#pragma once

void CmdSaveSettings();
void CmdLoadSettings();
