// The program's entry: options, back end and script are the framework's business.
#include "app_main.h"
#include "kestrix_app.h"

int main(int argc, char** argv) { return ui::AfxWinMain(theApp, argc, argv); }
