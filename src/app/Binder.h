#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <vector>

#include "app/ListModel.h"
#include "app/Validity.h"
#include "controller/Tolvane.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QValidator;

namespace tolvane {

class ChoiceBox;

// Shows the form's models and the controller's properties in widgets, and hands the user's edits
// back. Each widget is shown by a view: a refresh that shows what it follows, run once at the end
// of each action in which one of its models told of a change or one of its properties changed.
// An action of the user's ends with its handler (act()); a change made elsewhere is shown when
// the event loop runs next. Refreshes set widgets under QSignalBlocker, so that showing a value
// never sends it back.
class Binder : public QObject {
    Q_OBJECT

  public:
    using Pick = std::function<void(int index)>;
    using Kept = ListModel::Kept;

    explicit Binder(Tolvane& controller);
    Tolvane& controller() { return controller_; }
    Form& form() { return controller_.form(); }
    // The typed values not acceptable yet, which hold saving back.
    Validity& validity() { return validity_; }

    // Adds a view, first refreshed with the next refresh, or with the one running if a view adds
    // it; returns its number for mark().
    std::size_t view(std::initializer_list<ChangeNotifier*> models,
                     std::initializer_list<Property> properties, std::function<void()> refresh);
    // Has a view refreshed with the next refresh.
    void mark(std::size_t view);
    // Refreshes the marked views, each once.
    void refresh();

  signals:
    // After each refresh: what follows the whole form (the unsaved changes) looks again.
    void refreshed();

  public:
    // Runs an action on each of the sender's signals, then refreshes what it changed. The action
    // takes the signal's arguments, or none.
    template <typename Sender, typename Signal, typename Action>
    void act(Sender* sender, Signal signal, Action action) {
        if constexpr (std::is_invocable_v<const Action&>) {
            connect(sender, signal, this, [this, action = std::move(action)] {
                action();
                refresh();
            });
        } else {
            connect(sender, signal, this, [this, action = std::move(action)](auto... arguments) {
                action(arguments...);
                refresh();
            });
        }
    }

    // Widgets that show a model or property and edit it, named as it is, with a name for screen
    // readers. A pop-up list is as wide as `width` characters; a pick in it runs `pick`.
    ChoiceBox* popUp(PopUpList& list, const char* name, const QString& description, Pick pick,
                     Kept kept = Kept::value, int width = 8);
    QComboBox* comboBox(ComboBox& values, const char* name, const QString& description);
    QLineEdit* textField(TextField& field, const char* name, const QString& description);
    QCheckBox* flag(Property property, const char* name, const QString& text, const QString& tip);

    // Checks what the user types into a field (a text field, or a combo box's line edit) as it is
    // typed: the validator takes what may be typed, `reason` says why a text is not acceptable
    // yet (empty: it is), and validity() holds the reason in `scope`. A text the field shows from
    // elsewhere (a load, a kept text from the file, a computed value) is never refused. The reason
    // is asked again when one of `properties` or `models` changes.
    using Reason = std::function<QString(const QString& typed)>;
    void check(QLineEdit* edit, QValidator* validator, Validity::Scope scope, Reason reason,
               std::initializer_list<Property> properties = {},
               std::initializer_list<ChangeNotifier*> models = {});
    // A validator of up to `digits` decimal digits, owned by `parent`.
    static QValidator* digits(int digits, QObject* parent);

    // A pick that selects the item in the list, then runs the action, if any.
    static Pick selectThen(PopUpList& list, std::function<void()> action = {});
    // A pick that sets a tag property through its setter; a hidden item is no choice.
    Pick setTag(PopUpList& list, void (Tolvane::*setter)(int32_t));

  private:
    // The field shows a text it was given, not one typed: nothing to refuse.
    void shownGiven(QLineEdit* edit);

    struct View {
        std::function<void()> refresh;
        bool marked = false;
    };

    Tolvane& controller_;
    Validity validity_;
    // A deque: a view may add views while it refreshes (a part built when first shown).
    std::deque<View> views_;
    std::vector<std::size_t> marked_;
    std::array<std::vector<std::size_t>, kPropertyCount> byProperty_;
    bool refreshQueued_ = false;
    // Ended with the binder, before the widgets its views show.
    std::vector<Subscription> subscriptions_;
};

}  // namespace tolvane
