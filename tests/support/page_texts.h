#pragma once

#include <QString>
#include <variant>
#include <vector>

#include "runtime/report/page.h"

// The texts a composed page holds, and one of them by what it says (blanks
// around it aside).
inline std::vector<TextItem> textsOf(const Page& page) {
    std::vector<TextItem> texts;
    for (const PageItem& item : page.items)
        if (const auto* text = std::get_if<TextItem>(&item)) texts.push_back(*text);
    return texts;
}

inline const TextItem* findText(const std::vector<TextItem>& texts, const QString& text) {
    for (const TextItem& item : texts)
        if (item.text.trimmed() == text) return &item;
    return nullptr;
}

inline const TextItem* findText(const Page& page, const QString& text) {
    for (const PageItem& item : page.items) {
        const auto* found = std::get_if<TextItem>(&item);
        if (found && found->text.trimmed() == text) return found;
    }
    return nullptr;
}
