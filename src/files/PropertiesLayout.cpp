#include "files/PropertiesLayout.h"

#include <algorithm>

PropertiesLayout::PropertiesLayout(int nameLength, int folderLength)
    : m_extraName(std::max(nameLength, 0) / CharactersPerLine)
    , m_extraFolder(std::max(folderLength, 0) / CharactersPerLine)
{ }
