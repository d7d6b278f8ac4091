<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>OutcomeText</name>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>%1 is not a profile Tolvane can read</source>
        <translation>%1 ist kein Profil, das Tolvane lesen kann</translation>
    </message>
    <message>
        <source>%1 is too large for a profile</source>
        <translation>%1 ist zu groß für ein Profil</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 may not be read</source>
        <translation>%1 darf nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not opened: %1; the form keeps the values shown before</source>
        <translation>Nicht geöffnet: %1; das Formular behält die bisherigen Werte</translation>
    </message>
    <message>
        <source>%1; the profile list shows it from the next start</source>
        <translation>%1; die Profilliste zeigt es ab dem nächsten Start</translation>
    </message>
    <message>
        <source>No FMLE profiles in %1</source>
        <translation>Keine FMLE-Profile in %1</translation>
    </message>
    <message>
        <source>No FMLE profiles: %1 does not exist</source>
        <translation>Keine FMLE-Profile: %1 existiert nicht</translation>
    </message>
    <message>
        <source>No FMLE profiles: %1 could not be read (%2)</source>
        <translation>Keine FMLE-Profile: %1 konnte nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>No CamTwist settings: %1 does not exist</source>
        <translation>Keine CamTwist-Einstellungen: %1 existiert nicht</translation>
    </message>
    <message>
        <source>CamTwist&apos;s settings not read: %1 is empty or not a settings file</source>
        <translation>CamTwist-Einstellungen nicht gelesen: %1 ist leer oder keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>CamTwist&apos;s settings not read: %1 is too large</source>
        <translation>CamTwist-Einstellungen nicht gelesen: %1 ist zu groß</translation>
    </message>
    <message>
        <source>CamTwist&apos;s settings not read: %1 is not a file</source>
        <translation>CamTwist-Einstellungen nicht gelesen: %1 ist keine Datei</translation>
    </message>
    <message>
        <source>CamTwist&apos;s settings not read: %1 (%2)</source>
        <translation>CamTwist-Einstellungen nicht gelesen: %1 (%2)</translation>
    </message>
    <message>
        <source>Not removed: %1</source>
        <translation>Nicht entfernt: %1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Saved CamTwist&apos;s settings (%1; the previous file is kept as a backup)</source>
        <translation>CamTwist-Einstellungen gespeichert (%1; die vorige Datei bleibt als Sicherung erhalten)</translation>
    </message>
    <message>
        <source>Saved %1 (%2)</source>
        <translation>%1 gespeichert (%2)</translation>
    </message>
    <message>
        <source>Saved %1 (%2), also keeping the changes made to it meanwhile</source>
        <translation>%1 gespeichert (%2), samt den inzwischen daran vorgenommenen Änderungen</translation>
    </message>
    <message>
        <source>Saved %1 (%2) anew: its file had been removed meanwhile</source>
        <translation>%1 neu gespeichert (%2): die Datei war inzwischen entfernt worden</translation>
    </message>
    <message>
        <source>Removed %1 (moved to the trash)</source>
        <translation>%1 entfernt (in den Papierkorb verschoben)</translation>
    </message>
    <message>
        <source>Removed %1 (deleted)</source>
        <translation>%1 entfernt (gelöscht)</translation>
    </message>
    <message>
        <source>%1 is not a profile name</source>
        <translation>%1 ist kein Profilname</translation>
    </message>
    <message>
        <source>type a name for the profile (not “.” or “..”, no “/”)</source>
        <translation>geben Sie einen Namen für das Profil ein (nicht „.“ oder „..“, kein „/“)</translation>
    </message>
    <message>
        <source>no profile is open to save from</source>
        <translation>es ist kein Profil geöffnet, das gespeichert werden könnte</translation>
    </message>
    <message>
        <source>the profile could not be rebuilt</source>
        <translation>das Profil konnte nicht neu aufgebaut werden</translation>
    </message>
    <message>
        <source>the profile has no %1 element</source>
        <translation>dem Profil fehlt das Element %1</translation>
    </message>
    <message>
        <source>the profile has more than one %1 element</source>
        <translation>das Profil enthält das Element %1 mehrfach</translation>
    </message>
    <message>
        <source>Nothing removed: no profile is selected</source>
        <translation>Nichts entfernt: kein Profil ausgewählt</translation>
    </message>
    <message>
        <source>CamTwist&apos;s settings file %1 does not exist, and Tolvane does not create it</source>
        <translation>Die CamTwist-Einstellungsdatei %1 existiert nicht, und Tolvane legt sie nicht an</translation>
    </message>
    <message>
        <source>CamTwist&apos;s settings file %1 could not be read at start, so it is left as it is</source>
        <translation>Die CamTwist-Einstellungsdatei %1 war beim Start nicht lesbar und bleibt daher unverändert</translation>
    </message>
    <message>
        <source>CamTwist&apos;s setting “%1” holds a value a settings file cannot store</source>
        <translation>Die CamTwist-Einstellung „%1“ enthält einen Wert, den eine Einstellungsdatei nicht speichern kann</translation>
    </message>
    <message>
        <source>CamTwist&apos;s settings file and its backup %1 are one file</source>
        <translation>Die CamTwist-Einstellungsdatei und ihre Sicherung %1 sind dieselbe Datei</translation>
    </message>
    <message>
        <source>the backup %1 is not a file</source>
        <translation>die Sicherung %1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 was changed meanwhile in the same places</source>
        <translation>%1 wurde inzwischen an denselben Stellen geändert</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 ist zu groß</translation>
    </message>
    <message>
        <source>%1 is write-protected</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the name %1 is too long for the disk</source>
        <translation>der Name %1 ist für das Dateisystem zu lang</translation>
    </message>
    <message>
        <source>no room on the disk for %1</source>
        <translation>kein Platz auf dem Datenträger für %1</translation>
    </message>
    <message>
        <source>the profile folder %1 does not exist</source>
        <translation>der Profilordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 could not be moved to the trash (%2), and is kept</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden (%2) und bleibt erhalten</translation>
    </message>
</context>
<context>
    <name>tolvane::Actions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Profile</source>
        <translation>Profil &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Remove Profile</source>
        <translation>Profil &amp;entfernen</translation>
    </message>
    <message>
        <source>Save &amp;CamTwist Settings</source>
        <translation>&amp;CamTwist-Einstellungen speichern</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Encoder Settings</source>
        <translation>&amp;Encoder-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tolvane</source>
        <translation>&amp;Über Tolvane</translation>
    </message>
    <message>
        <source>About Tolvane</source>
        <translation>Über Tolvane</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tolvane %1&lt;/h3&gt;&lt;p&gt;Prepares Flash Media Live Encoder 3.2 profiles and CamTwist&apos;s settings for live streaming.&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;&lt;p&gt;Qt %2&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tolvane %1&lt;/h3&gt;&lt;p&gt;Bereitet Profile für Flash Media Live Encoder 3.2 und die Einstellungen von CamTwist für Live-Streaming vor.&lt;/p&gt;&lt;p&gt;Lizenz: MIT&lt;/p&gt;&lt;p&gt;Qt %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 — Tolvane</source>
        <translation>%1 — Tolvane</translation>
    </message>
</context>
<context>
    <name>tolvane::AudioSection</name>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio format</source>
        <translation>Audioformat</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat:</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Samp&amp;le rate:</source>
        <translation>Abtas&amp;trate:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Cha&amp;nnels:</source>
        <translation>Ka&amp;näle:</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Audiobitrate</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Kbps</source>
        <translation>Kbps</translation>
    </message>
    <message>
        <source>Input volume</source>
        <translation>Eingangspegel</translation>
    </message>
    <message>
        <source>Audio input volume</source>
        <translation>Audio-Eingangspegel</translation>
    </message>
    <message>
        <source>Input volume:</source>
        <translation>Eingangspegel:</translation>
    </message>
</context>
<context>
    <name>tolvane::Binder</name>
    <message>
        <source>%1 in Kbps</source>
        <translation>%1 in Kbps</translation>
    </message>
</context>
<context>
    <name>tolvane::CamTwistSection</name>
    <message>
        <source>CamTwist</source>
        <translation>CamTwist</translation>
    </message>
    <message>
        <source>CamTwist frame rate</source>
        <translation>CamTwist-Bildrate</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Follow FMLE</source>
        <translation>Wie FMLE</translation>
    </message>
    <message>
        <source>CamTwist&apos;s frame rate follows FMLE&apos;s</source>
        <translation>Die Bildrate von CamTwist folgt der von FMLE</translation>
    </message>
    <message>
        <source>CamTwist size</source>
        <translation>CamTwist-Größe</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>CamTwist&apos;s size follows FMLE&apos;s input size</source>
        <translation>Die Größe von CamTwist folgt der Eingangsgröße von FMLE</translation>
    </message>
    <message>
        <source>C&amp;ustom size:</source>
        <translation>Eigene &amp;Größe:</translation>
    </message>
    <message>
        <source>CamTwist uses a size of its own</source>
        <translation>CamTwist verwendet eine eigene Größe</translation>
    </message>
    <message>
        <source>Custom width</source>
        <translation>Eigene Breite</translation>
    </message>
    <message>
        <source>Custom height</source>
        <translation>Eigene Höhe</translation>
    </message>
    <message>
        <source>Save CamT&amp;wist Settings</source>
        <translation>CamT&amp;wist-Einstellungen speichern</translation>
    </message>
    <message>
        <source>Save CamTwist settings</source>
        <translation>CamTwist-Einstellungen speichern</translation>
    </message>
    <message>
        <source>Write frame rate and size into CamTwist&apos;s settings, keeping a backup</source>
        <translation>Bildrate und Größe in die Einstellungen von CamTwist schreiben und eine Sicherung behalten</translation>
    </message>
</context>
<context>
    <name>tolvane::EncoderPanel</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Keyframe frequency</source>
        <translation>Schlüsselbildabstand</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Noise reduction</source>
        <translation>Rauschunterdrückung</translation>
    </message>
    <message>
        <source>Datarate window</source>
        <translation>Datenratenfenster</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU-Auslastung</translation>
    </message>
    <message>
        <source>Encoder settings</source>
        <translation>Encoder-Einstellungen</translation>
    </message>
    <message>
        <source>Write the %1 into the profile</source>
        <translation>Den Wert „%1“ ins Profil schreiben</translation>
    </message>
    <message>
        <source>Preserve aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Keep the picture&apos;s aspect ratio when it is scaled</source>
        <translation>Beim Skalieren das Seitenverhältnis des Bildes beibehalten</translation>
    </message>
</context>
<context>
    <name>tolvane::ListModel</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source> (not connected)</source>
        <translation> (nicht angeschlossen)</translation>
    </message>
    <message>
        <source> (from profile)</source>
        <translation> (aus dem Profil)</translation>
    </message>
    <message>
        <source>Saving writes it back unchanged.</source>
        <translation>Beim Speichern wird der Wert unverändert zurückgeschrieben.</translation>
    </message>
    <message>
        <source>Kept from the profile, which leaves it empty. </source>
        <translation>Aus dem Profil übernommen, das ihn leer lässt. </translation>
    </message>
    <message>
        <source>Kept from the profile: not offered on this computer. </source>
        <translation>Aus dem Profil übernommen: auf diesem Computer nicht verfügbar. </translation>
    </message>
    <message>
        <source>Kept from the profile: not one of the values offered here. </source>
        <translation>Aus dem Profil übernommen: keiner der hier angebotenen Werte. </translation>
    </message>
</context>
<context>
    <name>tolvane::ProfileSection</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>No profiles</source>
        <translation>Keine Profile</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Remove profile</source>
        <translation>Profil entfernen</translation>
    </message>
    <message>
        <source>Move the selected profile&apos;s file to the trash</source>
        <translation>Die Datei des ausgewählten Profils in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Name to save the profile under</source>
        <translation>Name, unter dem das Profil gespeichert wird</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Save the settings as a profile under this name</source>
        <translation>Die Einstellungen als Profil unter diesem Namen speichern</translation>
    </message>
    <message>
        <source>Video device</source>
        <translation>Videogerät</translation>
    </message>
    <message>
        <source>Audio device</source>
        <translation>Audiogerät</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>Save &amp;as:</source>
        <translation>Speichern &amp;als:</translation>
    </message>
    <message>
        <source>Video &amp;device:</source>
        <translation>&amp;Videogerät:</translation>
    </message>
    <message>
        <source>Audio d&amp;evice:</source>
        <translation>Au&amp;diogerät:</translation>
    </message>
</context>
<context>
    <name>tolvane::VideoSection</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Fra&amp;me rate:</source>
        <translation>&amp;Bildrate:</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Input size</source>
        <translation>Eingangsgröße</translation>
    </message>
    <message>
        <source>&amp;Input size:</source>
        <translation>&amp;Eingangsgröße:</translation>
    </message>
    <message>
        <source>Video codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <source>&amp;Codec:</source>
        <translation>&amp;Codec:</translation>
    </message>
    <message>
        <source>Output width</source>
        <translation>Ausgabebreite</translation>
    </message>
    <message>
        <source>Output height</source>
        <translation>Ausgabehöhe</translation>
    </message>
    <message>
        <source>Output si&amp;ze:</source>
        <translation>A&amp;usgabegröße:</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Videobitrate</translation>
    </message>
    <message>
        <source>&amp;Bitrate:</source>
        <translation>B&amp;itrate:</translation>
    </message>
    <message>
        <source>Kbps</source>
        <translation>Kbps</translation>
    </message>
    <message>
        <source>Total bitrate</source>
        <translation>Gesamtbitrate</translation>
    </message>
    <message>
        <source>Total bitrate in Kbps: the video bitrate becomes this less the audio bitrate</source>
        <translation>Gesamtbitrate in Kbps: Die Videobitrate wird dieser Wert abzüglich der Audiobitrate</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Apply total bitrate</source>
        <translation>Gesamtbitrate übernehmen</translation>
    </message>
    <message>
        <source>Set the video bitrate from the total bitrate</source>
        <translation>Die Videobitrate aus der Gesamtbitrate berechnen</translation>
    </message>
    <message>
        <source>&amp;Total bitrate:</source>
        <translation>Gesa&amp;mtbitrate:</translation>
    </message>
</context>
</TS>
