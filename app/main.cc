// lexpad: the Vocaro translator window.
#include <windows.h>

#include "shell/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Application application;
  return application.runApplication(instance);
}
