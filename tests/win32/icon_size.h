// The size of an icon's image, read from its mask (twice as tall as the image when the icon has
// no colour bitmap).
#pragma once

#include <windows.h>

inline SIZE iconSize(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {};
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
}
