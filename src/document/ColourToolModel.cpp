#include "document/ColourToolModel.h"

ColourToolModel::ColourToolModel(QObject *parent)
    : QObject(parent)
{ }

void ColourToolModel::setPictureForecolor(ColourValue c)
{
    m_pen = c & 0xFFFFFF;
    emit wellsChanged();
}

void ColourToolModel::setPictureFillColor(ColourValue c)
{
    m_fill = c & 0xFFFFFF;
    emit wellsChanged();
}

void ColourToolModel::setPicturebackcolor(ColourValue c)
{
    m_background = c & 0xFFFFFF;
    emit wellsChanged();
}

void ColourToolModel::setPaletteTarget(int target)
{
    m_target = target;
    emit wellsChanged();
}

void ColourToolModel::setText1(const QString &text)
{
    if (text == m_text1)
        return;
    m_text1 = text;
    emit readoutsChanged();
}

void ColourToolModel::setTextX(const QString &text)
{
    if (text == m_textX)
        return;
    m_textX = text;
    emit readoutsChanged();
}

void ColourToolModel::setTextY(const QString &text)
{
    if (text == m_textY)
        return;
    m_textY = text;
    emit readoutsChanged();
}
