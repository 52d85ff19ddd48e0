#pragma once

// The design names the Windows faces "宋体" and "楷体_GB2312"; map them onto free faces that the
// set-up installs, so every Chinese text renders in the intended style.
void installDesignFontSubstitutions();
