#pragma once

// The file-properties dialog's layout for long names: the name and folder
// boxes wrap at 31 characters a line, 190 twips a line, and what lies below
// each box moves down with it. Twips.
struct PropertiesLayout
{
    static constexpr int CharactersPerLine = 31;
    static constexpr int LineHeight = 190;
    static constexpr int BaseHeight = 4510;

    PropertiesLayout(int nameLength, int folderLength);

    int nameLines() const { return m_extraName + 2; }
    int folderLines() const { return m_extraFolder + 2; }
    int nameBoxHeight() const { return nameLines() * LineHeight; }
    int folderBoxHeight() const { return folderLines() * LineHeight; }
    // How far the controls below the name box move.
    int belowName() const { return m_extraName * LineHeight; }
    // How far the controls below the folder box move.
    int belowFolder() const { return (m_extraName + m_extraFolder) * LineHeight; }
    int dialogHeight() const { return BaseHeight + belowFolder(); }

private:
    int m_extraName;
    int m_extraFolder;
};
