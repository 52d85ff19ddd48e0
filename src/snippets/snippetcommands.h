#pragma once

class MainWindow;

// The insert, script-effect and SQL menu snippets and the tools menu's reference pages become
// commands; the toolbar and the reference lists are joined to the editor and the commands.
void defineSnippetCommands(MainWindow &window);
