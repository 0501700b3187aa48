// "一覧HTML作成ツール" (modal, 640 × 640): the view over ListHtmlModel.
#pragma once

#include <windows.h>

#include "tables/ListHtml.h"

namespace tess {

void RunListHtmlDialog(HWND owner, ListHtmlModel& model);

}  // namespace tess
