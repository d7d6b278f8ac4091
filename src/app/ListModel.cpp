#include "app/ListModel.h"

#include <QComboBox>

#include "app/Text.h"

namespace tolvane {
namespace {

// The widest a title shows in a list's menu, in average characters, before it is cut with "…".
constexpr int kMenuCharacters = 48;

}  // namespace

ListModel::ListModel(const PopUpList& list, Kept kept, QComboBox& box)
    : QAbstractListModel(&box),
      box_(box),
      list_(&list),
      kept_(kept),
      rows_(list.numberOfItems()),
      revision_(list.revision()),
      hidingRevision_(list.hidingRevision()) {}

ListModel::ListModel(const ComboBox& values, QComboBox& box)
    : QAbstractListModel(&box), box_(box), values_(&values), rows_(itemCount()) {}

int ListModel::itemCount() const {
    return list_ ? list_->numberOfItems() : static_cast<int>(values_->objectValues().size());
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

void ListModel::follow() {
    if (values_) {
        // Values are only ever added.
        if (itemCount() == rows_) return;
        beginResetModel();
        rows_ = itemCount();
        endResetModel();
        return;
    }
    if (list_->revision() != revision_) {
        beginResetModel();
        rows_ = itemCount();
        revision_ = list_->revision();
        hidingRevision_ = list_->hidingRevision();
        endResetModel();
        return;
    }
    if (list_->hidingRevision() == hidingRevision_) return;
    hidingRevision_ = list_->hidingRevision();
    // Views redraw only the rows they show, so no row is compared here.
    if (rows_ > 0) emit dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole});
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    // Until follow(), the views may ask for rows the list no longer has.
    if (!index.isValid() || row >= rows_ || row >= itemCount()) return {};
    if (list_) return itemData(list_->itemArray()[static_cast<std::size_t>(row)], role);
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return qt(values_->objectValues()[static_cast<std::size_t>(row)]);
    return {};
}

QVariant ListModel::itemData(const MenuItem& item, int role) const {
    const QString title = qt(item.title());
    const bool device = kept_ == Kept::device;
    QString mark;
    // The profile list keeps the open profile whose file went.
    const bool profile = kept_ == Kept::profile;
    if (item.isKept())
        mark = title.isEmpty() ? tr("(empty)")
               : device        ? tr(" (not connected)")
               : profile       ? tr(" (removed on disk)")
                               : tr(" (from profile)");
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: {
            // No glyph is twice the average width: a short title needs no cutting.
            if (title.size() * 2 <= kMenuCharacters) return title + mark;
            const QFontMetrics metrics = box_.fontMetrics();
            return metrics.elidedText(title, Qt::ElideRight,
                                      metrics.averageCharWidth() * kMenuCharacters) +
                   mark;
        }
        case titleRole:
            return title;
        case markRole:
            return mark;
        case Qt::ToolTipRole: {
            if (!item.isKept())
                return title.size() > box_.minimumContentsLength() ? QVariant(title) : QVariant();
            if (profile) return tr("Its file was removed on disk. Saving writes it again.");
            const QString saving = tr("Saving writes it back unchanged.");
            if (title.isEmpty())
                return tr("Kept from the profile, which leaves it empty. ") + saving;
            return title + '\n' +
                   (device ? tr("Kept from the profile: not offered on this computer. ")
                           : tr("Kept from the profile: not one of the values offered here. ")) +
                   saving;
        }
        case Qt::FontRole: {
            if (!item.isKept()) return {};
            QFont italic = box_.font();
            italic.setItalic(true);
            return italic;
        }
        default:
            return {};
    }
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    const int row = index.row();
    const bool hidden = list_ && index.isValid() && row < rows_ && row < itemCount() &&
                        list_->itemArray()[static_cast<std::size_t>(row)].isHidden();
    return hidden ? Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                  : Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

}  // namespace tolvane
