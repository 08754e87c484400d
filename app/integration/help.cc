// Help: the help viewer shows a topic of the help file vocaro.htm.
#include "platform/handheld.h"
#include "shell/application.h"

void Application::showHelp(const wchar_t* topic) { startHelpViewer(helpViewer, topic); }
