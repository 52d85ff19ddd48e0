#pragma once

class MainWindow;

// "字体设置", "背景设置", "即时帮助" and "关于".
void defineViewCommands(MainWindow &mainWindow);
