#pragma once

namespace stoupe {

class frmSplash;
class frmWiz;

// Developer automation switched on by environment variables, used by the
// tools in tools/:
//   STOUPE_BENCH_LOADED=1      print the wall-clock time (ns since the epoch)
//                              when the wizard has loaded, then exit;
//   STOUPE_SCREENSHOT_DIR=dir  photograph the splash, every page and every
//                              small window into dir, then quit.
// Without them these do nothing.
void automationSplashShown(frmSplash& splash);
void automationWizardLoaded();
void automationWizardShown(frmWiz& wizard);

} // namespace stoupe
