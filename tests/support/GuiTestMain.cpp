// The test main for code that must run without widgets: a QGuiApplication, on which making
// a widget aborts.
#define PLEXOR_TEST_APPLICATION QGuiApplication
#include "support/TestMain.cpp"
