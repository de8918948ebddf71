// The program body. Each program defines it; the frame's main runs it once,
// after the runtime has the command line and its settings.
#pragma once

extern "C" void MAIN__();
