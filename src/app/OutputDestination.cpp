// The output panel's destination: the server's URLs, the stream name that holds the key, and the
// names each stream reaches the server under, with the key masked.
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Binder.h"
#include "app/Layout.h"
#include "app/Sections.h"
#include "app/Text.h"
#include "form/Streams.h"
#include "form/Validation.h"

namespace tolvane {

using namespace layout;

namespace {

// The stream name with its own characters hidden: the parameters FMLE expands and the ";" between
// names stay, so that the resolved names still show how the streams differ.
std::string masked(const std::string& name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == '%' && i + 1 < name.size() &&
            std::string_view("ivfasb").find(name[i + 1]) != std::string_view::npos) {
            out += c;
            out += name[++i];
        } else if (c == ';') {
            out += c;
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            out += "•";  // one per character, not per byte
        }
    }
    return out;
}

}  // namespace

QFormLayout* OutputPanel::destinationRows(Binder& binder) {
    Form& form = binder.form();
    const auto text = [&binder](ValueId id, const QString& description) {
        return field(binder, id, description);
    };
    auto* destination = formLayout();
    auto* url = text(ValueId::streamURL, tr("The server FMLE publishes to: rtmp:// or rtmps://"));
    auto* backup = text(ValueId::backupURL, tr("The server FMLE turns to when the first fails"));
    for (QLineEdit* edit : {url, backup})
        binder.check(edit, nullptr, Validity::Scope::profile, [edit, url](const QString& typed) {
            if (typed.isEmpty() || isStreamURL(typed.toStdString())) return QString();
            return edit == url
                       ? tr("The server URL must begin with rtmp:// or rtmps:// and name a host")
                       : tr("The backup URL must begin with rtmp:// or rtmps:// and name a host");
        });
    destination->addRow(labelFor(tr("Server &URL:"), url), url);
    destination->addRow(labelFor(tr("&Backup URL:"), backup), backup);
    auto* name = text(ValueId::streamName,
                      tr("The stream's name on the server, often with the private stream key"));
    name->setEchoMode(QLineEdit::Password);
    auto* show =
        button(tr("&Show"), "buttonShowStreamName", tr("Show the stream name and key in clear"));
    show->setCheckable(true);
    destination->addRow(labelFor(tr("Stream &name:"), name), row({name, show}));
    auto* resolved = new QLabel;
    resolved->setObjectName(QStringLiteral("labelResolvedStreamNames"));
    resolved->setTextFormat(Qt::PlainText);
    resolved->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Long names are cut rather than widening the window or unstacking its columns.
    resolved->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* resolvedLabel = new QLabel(tr("The server receives:"));
    resolvedLabel->setBuddy(resolved);
    destination->addRow(resolvedLabel, resolved);
    auto* names = note("labelStreamNameWarning");
    destination->addRow(names);
    const std::size_t namesView = binder.view(
        {&form.txtfldFMLEStreamName, &form.comboboxFMLEVideoOutputBitrate,
         &form.comboboxFMLEVideoOutputBitrate2, &form.comboboxFMLEVideoOutputBitrate3,
         &form.txtfldFMLEVideoOutputSizeX, &form.txtfldFMLEVideoOutputSizeY,
         &form.txtfldFMLEVideoOutputSizeX2, &form.txtfldFMLEVideoOutputSizeY2,
         &form.txtfldFMLEVideoOutputSizeX3, &form.txtfldFMLEVideoOutputSizeY3,
         &form.popupFMLEAudioOutputBitrate, &form.popupFMLEAudioSamplerate},
        {}, [&form, show, name, resolved, names] {
            const bool clear = show->isChecked();
            name->setEchoMode(clear ? QLineEdit::Normal : QLineEdit::Password);
            const std::string key = form.txtfldFMLEStreamName.stringValue();
            const StreamNames result =
                resolveStreamNames(clear ? key : masked(key), streamTable(form),
                                   form.popupFMLEAudioOutputBitrate.title().value_or(""),
                                   form.popupFMLEAudioSamplerate.title().value_or(""));
            QStringList lines;
            for (std::size_t i = 0; i < result.names.size(); ++i)
                lines << tr("Stream %1: %2")
                             .arg(i + 1)
                             .arg(result.names[i].empty() ? tr("(empty)") : qt(result.names[i]));
            resolved->setText(lines.join(QLatin1Char('\n')));
            // The warnings come from the name itself, masked or not.
            const StreamNames real = resolveStreamNames(form);
            QStringList warnings;
            if (real.sharedName)
                warnings << tr(
                    "Two or more streams reach the server under one name: add %i (the "
                    "stream's number) to the name, or give one name per stream "
                    "separated by “;”.");
            if (real.parametersTakenLiterally)
                warnings << tr(
                    "The name mixes parameters with “;”: FMLE then sends the "
                    "parameters as they are written.");
            if (real.namesMissing)
                warnings << tr("Fewer names than streams: the later streams get an empty name.");
            say(names, warnings.join(QLatin1Char(' ')));
        });
    binder.act(show, &QPushButton::toggled, [&binder, namesView] { binder.mark(namesView); });
    return destination;
}

}  // namespace tolvane
