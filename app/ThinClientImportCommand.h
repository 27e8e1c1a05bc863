#pragma once

class QWidget;
class Workspace;

// "Import thinclient list": asks for a file, merges it into the workspace's
// devices (one undo step) and reports what it did.
void runThinClientImport(QWidget* parent, Workspace& workspace);
