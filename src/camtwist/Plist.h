#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// A property-list dictionary held as a whole: the keys this program knows are read and set by
// name, every other key keeps its type and value. A value type; copies are deep.
class PlistDictionary {
  public:
    PlistDictionary();
    ~PlistDictionary();
    PlistDictionary(const PlistDictionary& other);
    PlistDictionary& operator=(const PlistDictionary& other);
    PlistDictionary(PlistDictionary&& other) noexcept;
    PlistDictionary& operator=(PlistDictionary&& other) noexcept;

    // An XML or binary property list whose root is a dictionary; nothing for anything else,
    // including lists nested more than 256 levels deep and binary lists whose shared references
    // or cycles would expand past a million nodes or never end.
    static std::optional<PlistDictionary> parse(std::string_view bytes);
    // The whole dictionary as an XML property list.
    std::string toXml() const;
    // The first key or value, at any depth, that an XML list cannot carry (a text with invalid
    // UTF-8 or a character such as U+0001, a date far outside the calendar's years): its key, or a
    // path such as "outer/inner" or "list/2" for nested values. Nothing when the whole dictionary
    // can be written.
    std::optional<std::string> unwritableText() const;

    std::size_t size() const;
    bool contains(const std::string& key) const;
    // A string value; nothing when the key is absent or holds another type.
    std::optional<std::string> string(const std::string& key) const;
    // A number as decimal text: an integer as its digits, a real in its shortest form (30.0 is
    // "30", 29.97 is "29.97"); nothing when the key is absent or holds no number.
    std::optional<std::string> numberText(const std::string& key) const;
    std::optional<bool> boolean(const std::string& key) const;

    void setInteger(const std::string& key, int64_t value);
    void setString(const std::string& key, const std::string& value);
    void setBoolean(const std::string& key, bool value);
    // Gives a key the other dictionary's value for it, of whatever type, or removes it where the
    // other has none. Other keys keep their places.
    void copyKeyFrom(const PlistDictionary& other, const std::string& key);

    friend bool operator==(const PlistDictionary& a, const PlistDictionary& b);

  private:
    struct Node;
    explicit PlistDictionary(std::unique_ptr<Node> node);
    std::unique_ptr<Node> node_;
};

}  // namespace tolvane
