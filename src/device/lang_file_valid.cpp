#include "device/lang_file_valid.h"

std::atomic<bool> isLangFileValid{true};
