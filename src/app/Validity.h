#pragma once

#include <QObject>
#include <QString>
#include <vector>

namespace tolvane {

// Which typed values are not acceptable yet, and why: each field says its reason as it is typed,
// and what saves holds back while one is given.
class Validity : public QObject {
    Q_OBJECT

  public:
    // What an invalid field holds back: saving the profile, or saving CamTwist's settings.
    enum class Scope { profile, camTwist };

    // The field's reason (empty: the field is valid).
    void set(const QObject* field, Scope scope, const QString& reason);
    // The first invalid field's reason in that scope, in the order they became invalid; empty
    // when all are valid.
    QString reason(Scope scope) const;

  signals:
    void changed();

  private:
    struct Entry {
        const QObject* field;
        Scope scope;
        QString reason;
    };
    std::vector<Entry> entries_;
};

}  // namespace tolvane
