#pragma once

#include <QString>

class CPaintManagerUI;

struct PreviewScene {
  enum class Page { kMenu, kControlKeys, kBackKeys } page = Page::kMenu;
  int layout = 0;  // 0 unknown board, 1..3 the known layouts
  bool chinese = false;
};

bool ParsePreviewScene(const QString& page, const QString& layout, const QString& language,
                       PreviewScene& scene);

// Sets on the loaded skin what the program would set for that scene: per-layout pictures and
// key positions, language texts and pictures, visible groups, and some sample keys and values.
void DressPreview(CPaintManagerUI& manager, const PreviewScene& scene);
