#pragma once

#include <string>
#include <vector>

#include "form/ChangeNotifier.h"

namespace tolvane {

class TextField : public ChangeNotifier {
  public:
    const std::string& stringValue() const { return text_; }
    void setStringValue(const std::string& text) {
        text_ = text;
        notifyChanged();
    }

  private:
    std::string text_;
};

// An editable text with a list of suggested values; duplicates are kept.
class ComboBox : public ChangeNotifier {
  public:
    const std::string& stringValue() const { return text_; }
    void setStringValue(const std::string& text) {
        text_ = text;
        notifyChanged();
    }
    const std::vector<std::string>& objectValues() const { return values_; }

    void addItemWithObjectValue(const std::string& value) {
        values_.push_back(value);
        notifyChanged();
    }
    void addItemsWithObjectValues(const std::vector<std::string>& values) {
        values_.insert(values_.end(), values.begin(), values.end());
        notifyChanged();
    }
    // Selects the first equal entry and shows it as the text; with none, nothing changes.
    void selectItemWithObjectValue(const std::string& value) {
        for (const std::string& entry : values_) {
            if (entry == value) {
                text_ = entry;
                notifyChanged();
                return;
            }
        }
    }

  private:
    std::string text_;
    std::vector<std::string> values_;
};

// The side panel holding the encoder settings.
class Drawer : public ChangeNotifier {
  public:
    bool isOpen() const { return open_; }
    void toggle() {
        open_ = !open_;
        notifyChanged();
    }

  private:
    bool open_ = false;
};

}  // namespace tolvane
