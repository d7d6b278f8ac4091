#pragma once

#include <QAbstractListModel>
#include <cstdint>

#include "form/Controls.h"
#include "form/PopUpList.h"

class QComboBox;

namespace tolvane {

// A list of the form as Qt's views see it: a pop-up list's items, or a combo box's values, one
// row each, read from the list when a view asks for it. A hidden item is disabled, so that it
// cannot be chosen (ChoiceBox also leaves it out of its menu). A value kept from a profile shows in
// italics with a mark after its title and says why in its tooltip; a long title is cut for the
// menu and whole in its tooltip. follow() brings the views up to the list once it changed: a reset
// when its items changed, dataChanged when only their hidden states did, nothing for a selection.
class ListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    // What a kept value is: a device that is not connected here, or a value the list does not
    // offer.
    enum class Kept : std::uint8_t { value, device, profile };
    static constexpr int titleRole = Qt::UserRole;     // the title, whole
    static constexpr int markRole = Qt::UserRole + 1;  // what follows a kept value's title

    // Over a pop-up list, shown in a box whose font and minimumContentsLength() it follows.
    ListModel(const PopUpList& list, Kept kept, QComboBox& box);
    // Over a combo box's values.
    ListModel(const ComboBox& values, QComboBox& box);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void follow();
    // Whether any item may be hidden: one was, at some time.
    bool mayHide() const { return list_ && list_->hidingRevision() != 0; }

  private:
    int itemCount() const;
    QVariant itemData(const MenuItem& item, int role) const;

    QComboBox& box_;
    const PopUpList* list_ = nullptr;
    const ComboBox* values_ = nullptr;
    Kept kept_ = Kept::value;
    // What the views were last told.
    int rows_ = 0;
    unsigned long revision_ = 0;
    unsigned long hidingRevision_ = 0;
};

}  // namespace tolvane
