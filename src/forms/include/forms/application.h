#pragma once

namespace forms {

// Platform settings that must be made before the application object exists.
void preparePlatform();

// Makes the process look and read as the forms expect, before the first window is built:
// the classic widget style, the font substitutes and the default font, and the locale of
// numbers and of Qt's own texts (Russian where the environment names none).
void prepareApplication();

} // namespace forms
