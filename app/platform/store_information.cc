#include "platform/handheld.h"

bool getStoreInformation(const wchar_t* folder, StoreInformation* store) {
  ULARGE_INTEGER available;
  ULARGE_INTEGER total;
  if (!GetDiskFreeSpaceExW(folder, &available, &total, nullptr)) return false;
  store->storeSize = total.QuadPart;
  store->freeSize = available.QuadPart;
  return true;
}
