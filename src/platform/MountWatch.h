#pragma once
// A watch on the system's table of mounts: a descriptor that shows an exceptional condition
// (urgent data, POLLPRI) each time a file system is mounted or unmounted, so that an event loop
// can rebuild what it lists from the table. The condition clears when it has been polled.

namespace platform {

class MountWatch {
 public:
  // Watches the table of the calling process's mounts; without one, the descriptor is -1.
  MountWatch();
  ~MountWatch();
  MountWatch(const MountWatch&) = delete;
  MountWatch& operator=(const MountWatch&) = delete;

  // The descriptor to watch for the exceptional condition; -1 when there is nothing to watch.
  int descriptor() const { return descriptor_; }

 private:
  int descriptor_ = -1;
};

}  // namespace platform
