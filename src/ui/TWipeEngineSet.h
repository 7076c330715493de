#pragma once
// The three wipe engines that the main window's pages run. They belong to their owner (the
// cleaner's Shredder section); the window only uses them.

class TWipeEngine;

struct TWipeEngineSet {
  TWipeEngine* WipeFiles = nullptr;      // the files list of Delete with wiping
  TWipeEngine* WipeFolders = nullptr;    // the folders list of Delete with wiping
  TWipeEngine* WipeFreeSpace = nullptr;  // Wipe free space
};
