#pragma once

// Makes sure a QApplication exists for widget tests (created once, offscreen).
void ensureUiTestApplication();
