// The one application object of Vantrace.exe.
#include "CVantraceApp.h"

CVantraceApp theApp;
