#include "app/Binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>
#include <algorithm>

#include "app/Layout.h"
#include "app/Text.h"
#include "app/Widgets.h"

namespace tolvane {

Binder::Binder(Tolvane& controller) : controller_(controller) {
    subscriptions_.push_back(controller_.observe([this](Property property) {
        for (const std::size_t view : byProperty_[static_cast<std::size_t>(property)])
            mark(view);
    }));
}

std::size_t Binder::view(std::initializer_list<ChangeNotifier*> models,
                         std::initializer_list<Property> properties,
                         std::function<void()> refresh) {
    const std::size_t number = views_.size();
    views_.push_back({std::move(refresh)});
    for (ChangeNotifier* model : models)
        subscriptions_.push_back(model->subscribe([this, number] { mark(number); }));
    for (const Property property : properties)
        byProperty_[static_cast<std::size_t>(property)].push_back(number);
    mark(number);
    return number;
}

void Binder::mark(std::size_t view) {
    if (!std::exchange(views_[view].marked, true)) marked_.push_back(view);
    if (refreshQueued_) return;
    // For a change that no action of the user's made.
    refreshQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshQueued_ = false;
            refresh();
        },
        Qt::QueuedConnection);
}

void Binder::refresh() {
    // A refresh changes no model, but were one to, its views are refreshed too.
    while (!marked_.empty()) {
        std::vector<std::size_t> views = std::exchange(marked_, {});
        std::sort(views.begin(), views.end());
        for (const std::size_t view : views) {
            views_[view].marked = false;
            views_[view].refresh();
        }
    }
    emit refreshed();
}

ChoiceBox* Binder::popUp(PopUpList& list, const char* name, const QString& description, Pick pick,
                         Kept kept, int width) {
    auto* box = new ChoiceBox;
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(description);
    box->setAccessibleDescription(description);
    box->setMinimumContentsLength(width);
    auto* model = new ListModel(list, kept, *box);
    box->setItems(model);
    const std::size_t shown = view({&list}, {}, [box, model, &list, description] {
        model->follow();
        const QSignalBlocker block(box);
        if (box->currentIndex() != list.indexOfSelectedItem())
            box->setCurrentIndex(list.indexOfSelectedItem());
        const QVariant tip = box->currentData(Qt::ToolTipRole);
        const QString shown = tip.isValid() ? tip.toString() : description;
        if (box->toolTip() != shown) box->setToolTip(shown);
    });
    act(box, &QComboBox::activated, [this, shown, pick = std::move(pick)](int index) {
        pick(index);
        mark(shown);  // the list may have declined the pick
    });
    return box;
}

QComboBox* Binder::comboBox(ComboBox& values, const char* name, const QString& description) {
    auto* box = new SteadyBox;
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // No completion inside the box: the text shown is the text that Enter and Apply use.
    box->setCompleter(nullptr);
    box->setAccessibleName(description);
    box->setAccessibleDescription(description);
    box->setToolTip(description);
    box->setMinimumContentsLength(6);
    auto* model = new ListModel(values, *box);
    box->setModel(model);
    view({&values}, {}, [this, box, model, &values] {
        model->follow();
        const QSignalBlocker block(box);
        if (box->currentText() == qt(values.stringValue())) return;
        box->setEditText(qt(values.stringValue()));
        shownGiven(box->lineEdit());
    });
    act(box->lineEdit(), &QLineEdit::textEdited,
        [&values](const QString& text) { values.setStringValue(text.toStdString()); });
    act(box, &QComboBox::activated, [this, box, &values](int index) {
        values.selectItemWithObjectValue(box->itemText(index).toStdString());
        shownGiven(box->lineEdit());
    });
    return box;
}

QLineEdit* Binder::textField(TextField& field, const char* name, const QString& description) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setAccessibleName(description);
    edit->setAccessibleDescription(description);
    edit->setToolTip(description);
    view({&field}, {}, [this, edit, &field] {
        if (edit->text() == qt(field.stringValue())) return;
        const QSignalBlocker block(edit);
        edit->setText(qt(field.stringValue()));
        shownGiven(edit);
    });
    act(edit, &QLineEdit::textEdited,
        [&field](const QString& text) { field.setStringValue(text.toStdString()); });
    return edit;
}

QCheckBox* Binder::flag(Property property, const char* name, const QString& text,
                        const QString& tip) {
    auto* check = new QCheckBox(text);
    check->setObjectName(QLatin1String(name));
    // Voice control says what it sees: the name is the visible text, the tip the description.
    check->setAccessibleName(layout::spoken(text));
    check->setAccessibleDescription(tip);
    check->setToolTip(tip);
    view({}, {property}, [this, check, property] {
        const QSignalBlocker block(check);
        check->setChecked(controller_.propertyValue(property) != 0);
    });
    act(check, &QCheckBox::clicked, [&controller = controller_, property](bool on) {
        controller.setPropertyValue(property, on);
    });
    return check;
}

void Binder::check(QLineEdit* edit, QValidator* validator, Validity::Scope scope, Reason reason,
                   std::initializer_list<Property> properties,
                   std::initializer_list<ChangeNotifier*> models) {
    if (validator) edit->setValidator(validator);
    const auto typed = [this, edit, scope, reason = std::move(reason)] {
        if (edit->property("typed").toBool()) validity_.set(edit, scope, reason(edit->text()));
    };
    connect(edit, &QLineEdit::textEdited, this, [edit, typed] {
        edit->setProperty("typed", true);
        typed();
    });
    if (properties.size() + models.size() > 0) view(models, properties, typed);
}

namespace {

// Up to a number of decimal digits; no regular expression to compile for each field at start.
class DigitsValidator : public QValidator {
  public:
    DigitsValidator(int digits, QObject* parent) : QValidator(parent), digits_(digits) {}
    State validate(QString& input, int&) const override {
        const bool digits =
            input.size() <= digits_ && std::all_of(input.cbegin(), input.cend(), [](QChar c) {
                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
            });
        return digits ? Acceptable : Invalid;
    }

  private:
    int digits_;
};

}  // namespace

QValidator* Binder::digits(int digits, QObject* parent) {
    return new DigitsValidator(digits, parent);
}

void Binder::shownGiven(QLineEdit* edit) {
    if (!edit->property("typed").toBool()) return;
    edit->setProperty("typed", false);
    validity_.set(edit, Validity::Scope::profile, {});
}

Binder::Pick Binder::selectThen(PopUpList& list, std::function<void()> action) {
    return [&list, action = std::move(action)](int index) {
        list.selectItemAtIndex(index);
        if (action) action();
    };
}

Binder::Pick Binder::setTag(PopUpList& list, void (Tolvane::*setter)(int32_t)) {
    // The controller by reference rather than through this: GCC's vptr check misreads a member
    // function pointer called through a captured this.
    return [&controller = controller_, &list, setter](int index) {
        const MenuItem* item = list.itemAtIndex(index);
        if (item && !item->isHidden()) (controller.*setter)(item->tag());
    };
}

}  // namespace tolvane
