// SPDX-License-Identifier: GPL-3.0-or-later
// The sanitizer build's allowances for the web-view tests, and only for them: Chromium
// inside libQt6WebEngineCore frees an object through a base of another size when a page
// goes away, and keeps allocations to the end of the process. Neither is in Vorlin's code;
// every other check stays on, and the other test programs keep all of them.
extern "C" {

const char *__asan_default_options()
{
    return "new_delete_type_mismatch=0";
}

const char *__lsan_default_suppressions()
{
    return "leak:libQt6WebEngineCore.so\n"
           "leak:libQt6Quick.so\n"
           "leak:libQt6Qml.so\n"
           "leak:libfontconfig.so\n"
           "leak:libnss3.so\n"
           "leak:libglib-2.0.so\n";
}
}
