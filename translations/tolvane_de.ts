<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChangeText</name>
    <message>
        <source>Video device</source>
        <translation>Videogerät</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Input width</source>
        <translation>Eingangsbreite</translation>
    </message>
    <message>
        <source>Input height</source>
        <translation>Eingangshöhe</translation>
    </message>
    <message>
        <source>Audio device</source>
        <translation>Audiogerät</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Input volume</source>
        <translation>Eingangspegel</translation>
    </message>
    <message>
        <source>Preserve aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Video format</source>
        <translation>Videoformat</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Videobitrate</translation>
    </message>
    <message>
        <source>Output size</source>
        <translation>Ausgabegröße</translation>
    </message>
    <message>
        <source>H.264 profile</source>
        <translation>H.264-Profil</translation>
    </message>
    <message>
        <source>H.264 level</source>
        <translation>H.264-Level</translation>
    </message>
    <message>
        <source>Keyframe frequency</source>
        <translation>Keyframe-Intervall</translation>
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
        <source>Audio format</source>
        <translation>Audioformat</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Audiobitrate</translation>
    </message>
    <message>
        <source>Auto adjust</source>
        <translation>Automatisch anpassen</translation>
    </message>
    <message>
        <source>Maximum buffer size</source>
        <translation>Maximale Puffergröße</translation>
    </message>
    <message>
        <source>Drop frames</source>
        <translation>Frames auslassen</translation>
    </message>
    <message>
        <source>Degrade quality</source>
        <translation>Qualität senken</translation>
    </message>
    <message>
        <source>Minimum video bitrate</source>
        <translation>Minimale Videobitrate</translation>
    </message>
    <message>
        <source>Preserve frame quality</source>
        <translation>Frame-Qualität halten</translation>
    </message>
    <message>
        <source>Restart after days</source>
        <translation>Neustart nach Tagen</translation>
    </message>
    <message>
        <source>Restart after hours</source>
        <translation>Neustart nach Stunden</translation>
    </message>
    <message>
        <source>Restart after minutes</source>
        <translation>Neustart nach Minuten</translation>
    </message>
    <message>
        <source>Reconnect attempts</source>
        <translation>Verbindungsversuche</translation>
    </message>
    <message>
        <source>Reconnect interval</source>
        <translation>Intervall der Verbindungsversuche</translation>
    </message>
    <message>
        <source>Server URL</source>
        <translation>Server-URL</translation>
    </message>
    <message>
        <source>Backup URL</source>
        <translation>Backup-URL</translation>
    </message>
    <message>
        <source>Stream name</source>
        <translation>Streamname</translation>
    </message>
    <message>
        <source>Limit recording by size</source>
        <translation>Aufnahme nach Größe begrenzen</translation>
    </message>
    <message>
        <source>Recording size limit</source>
        <translation>Größenlimit der Aufnahme</translation>
    </message>
    <message>
        <source>Limit recording by duration</source>
        <translation>Aufnahme nach Dauer begrenzen</translation>
    </message>
    <message>
        <source>Recording duration limit</source>
        <translation>Dauerlimit der Aufnahme</translation>
    </message>
    <message>
        <source>Recording path</source>
        <translation>Aufnahmedatei</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>CamTwist frame rate</source>
        <translation>CamTwist-Bildrate</translation>
    </message>
    <message>
        <source>CamTwist size</source>
        <translation>CamTwist-Größe</translation>
    </message>
    <message>
        <source>CamTwist custom size</source>
        <translation>Eigene CamTwist-Größe</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1 has no %2 Hz</source>
        <translation>%1 bietet keine %2 Hz</translation>
    </message>
    <message>
        <source>%1 has no %2 Kbps at %3 Hz, %4</source>
        <translation>%1 bietet keine %2 Kbps bei %3 Hz, %4</translation>
    </message>
    <message>
        <source>%1 records in mono only</source>
        <translation>%1 nimmt nur in Mono auf</translation>
    </message>
    <message>
        <source>%1 offers no %2</source>
        <translation>%1 bietet kein %2</translation>
    </message>
    <message>
        <source>%1 %2 → %3: %4</source>
        <translation>%1 %2 → %3: %4</translation>
    </message>
</context>
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
    <message>
        <source>Not imported: %1</source>
        <translation>Nicht importiert: %1</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>Nicht exportiert: %1</translation>
    </message>
    <message>
        <source>Not put back: %1</source>
        <translation>Nicht wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Exported the profile to %1</source>
        <translation>Profil exportiert nach %1</translation>
    </message>
    <message>
        <source>Saved %1 (%2); also kept the encoder&apos;s changes made to it meanwhile</source>
        <translation>%1 gespeichert (%2); die inzwischen vom Encoder gemachten Änderungen bleiben erhalten</translation>
    </message>
    <message>
        <source>%1 is not an FMLE profile</source>
        <translation>%1 ist kein FMLE-Profil</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
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
        <source>FMLE profiles (*.xml);;All files (*)</source>
        <translation>FMLE-Profile (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import Profile</source>
        <translation>Profil importieren</translation>
    </message>
    <message>
        <source>Export Profile</source>
        <translation>Profil exportieren</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Put the removed profile back from the trash</source>
        <translation>Das entfernte Profil aus dem Papierkorb zurückholen</translation>
    </message>
    <message>
        <source>Put back %1</source>
        <translation>%1 wiederhergestellt</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Save Profile &amp;As…</source>
        <translation>Profil speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Re&amp;vert Profile</source>
        <translation>Profil &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Import Profile…</source>
        <translation>Profil &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Export Profile…</source>
        <translation>Profil e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Show Profile &amp;Folder</source>
        <translation>Profil&amp;ordner anzeigen</translation>
    </message>
    <message>
        <source>&amp;Codec Options</source>
        <translation>&amp;Codec-Optionen</translation>
    </message>
    <message>
        <source>Replace %1?</source>
        <translation>%1 ersetzen?</translation>
    </message>
    <message>
        <source>A profile named %1 exists. Saving replaces it with these settings.</source>
        <translation>Es gibt bereits ein Profil namens %1. Beim Speichern wird es durch diese Einstellungen ersetzt.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Not saved: the values changed on disk too are left for you to settle</source>
        <translation>Nicht gespeichert: die auch auf dem Datenträger geänderten Werte müssen Sie selbst klären</translation>
    </message>
    <message>
        <source>Delete %1 for good?</source>
        <translation>%1 endgültig löschen?</translation>
    </message>
    <message>
        <source>There is no trash here to take it back from.</source>
        <translation>Hier gibt es keinen Papierkorb, aus dem es sich zurückholen ließe.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Reverted %1 to its file</source>
        <translation>%1 auf den Stand der Datei zurückgesetzt</translation>
    </message>
    <message>
        <source>A profile named %1 exists. Importing replaces it with %2.</source>
        <translation>Es gibt bereits ein Profil namens %1. Beim Importieren wird es durch %2 ersetzt.</translation>
    </message>
    <message>
        <source>Imported %1 from %2</source>
        <translation>%1 importiert aus %2</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Save the changes to CamTwist&apos;s settings?</source>
        <translation>Änderungen an den CamTwist-Einstellungen speichern?</translation>
    </message>
    <message>
        <source>1 unsaved change</source>
        <translation>1 ungespeicherte Änderung</translation>
    </message>
    <message numerus="yes">
        <source>%n unsaved changes</source>
        <translation>
            <numerusform>%n ungespeicherte Änderung</numerusform>
            <numerusform>%n ungespeicherte Änderungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1[*] — Tolvane</source>
        <translation>%1[*] — Tolvane</translation>
    </message>
    <message>
        <source>C&amp;hanges</source>
        <translation>Ä&amp;nderungen</translation>
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
        <translation>&amp;Format:</translation>
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
        <translation>&amp;Kanäle:</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Audiobitrate</translation>
    </message>
    <message>
        <source>Kbps</source>
        <translation>Kbps</translation>
    </message>
    <message>
        <source>&amp;Bitrate:</source>
        <translation>B&amp;itrate:</translation>
    </message>
    <message>
        <source>Audio input volume in percent</source>
        <translation>Audio-Eingangspegel in Prozent</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Input volume:</source>
        <translation>Eingangspege&amp;l:</translation>
    </message>
</context>
<context>
    <name>tolvane::CamTwistSection</name>
    <message>
        <source>CamTwist</source>
        <translation>CamTwist</translation>
    </message>
    <message>
        <source>fps</source>
        <translation>fps</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
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
        <translation>CamTwist-Einstell&amp;ungen speichern</translation>
    </message>
    <message>
        <source>Write frame rate and size into CamTwist&apos;s settings, keeping a backup</source>
        <translation>Bildrate und Größe in die Einstellungen von CamTwist schreiben und eine Sicherung behalten</translation>
    </message>
    <message>
        <source>Frames per second CamTwist sends</source>
        <translation>Bilder pro Sekunde, die CamTwist sendet</translation>
    </message>
    <message>
        <source>CamTwist&apos;s frame rate must be a number</source>
        <translation>Die Bildrate von CamTwist muss eine Zahl sein</translation>
    </message>
    <message>
        <source>Copy FMLE&apos;s frame rate</source>
        <translation>FMLE-Bildrate übernehmen</translation>
    </message>
    <message>
        <source>When ticked, and at each frame rate picked for FMLE while it is, CamTwist&apos;s frame rate becomes FMLE&apos;s. Opening a profile copies nothing.</source>
        <translation>Beim Ankreuzen und bei jeder danach für FMLE gewählten Bildrate übernimmt CamTwist die Bildrate von FMLE. Das Öffnen eines Profils übernimmt nichts.</translation>
    </message>
    <message>
        <source>FMLE: %1 fps</source>
        <translation>FMLE: %1 fps</translation>
    </message>
    <message>
        <source>The picture size CamTwist sends</source>
        <translation>Die Bildgröße, die CamTwist sendet</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Copy FMLE&apos;s size</source>
        <translation>FMLE-Größe übernehmen</translation>
    </message>
    <message>
        <source>When ticked, CamTwist&apos;s size becomes FMLE&apos;s input size. Picking another input size or opening a profile copies nothing.</source>
        <translation>Beim Ankreuzen übernimmt CamTwist die Eingangsgröße von FMLE. Eine andere Eingangsgröße oder das Öffnen eines Profils übernimmt nichts.</translation>
    </message>
    <message>
        <source>Use a c&amp;ustom size</source>
        <translation>Eige&amp;ne Größe verwenden</translation>
    </message>
    <message>
        <source>CamTwist sends a size of its own instead of one of the list</source>
        <translation>CamTwist sendet eine eigene Größe statt einer aus der Liste</translation>
    </message>
    <message>
        <source>Custom width in px</source>
        <translation>Eigene Breite in px</translation>
    </message>
    <message>
        <source>Custom height in px</source>
        <translation>Eigene Höhe in px</translation>
    </message>
    <message>
        <source>Custom size:</source>
        <translation>Eigene Größe:</translation>
    </message>
    <message>
        <source>Fill in CamTwist&apos;s custom width and height, or untick “Use a custom size”</source>
        <translation>Geben Sie die eigene Breite und Höhe für CamTwist ein oder entfernen Sie das Häkchen bei „Eigene Größe verwenden“</translation>
    </message>
    <message>
        <source>FMLE: %1 px</source>
        <translation>FMLE: %1 px</translation>
    </message>
    <message>
        <source>Fram&amp;e rate:</source>
        <translation>Bildrate:</translation>
    </message>
</context>
<context>
    <name>tolvane::ChangesView</name>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Your change</source>
        <translation>Ihre Änderung</translation>
    </message>
    <message>
        <source>Changed here and on disk</source>
        <translation>Hier und auf dem Datenträger geändert</translation>
    </message>
    <message>
        <source>These values were changed here and, meanwhile, in the file on disk. Which should the profile keep?</source>
        <translation>Diese Werte wurden hier und inzwischen auch in der Datei auf dem Datenträger geändert. Welche soll das Profil behalten?</translation>
    </message>
    <message>
        <source>Mine: %1</source>
        <translation>Mein Wert: %1</translation>
    </message>
    <message>
        <source>The file&apos;s: %1</source>
        <translation>Wert der Datei: %1</translation>
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
        <translation>Keyframe-Intervall</translation>
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
        <source>Preserve aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Keep the picture&apos;s aspect ratio when it is scaled</source>
        <translation>Beim Skalieren das Seitenverhältnis des Bildes beibehalten</translation>
    </message>
    <message>
        <source>H.26&amp;4 profile:</source>
        <translation>H.26&amp;4-Profil:</translation>
    </message>
    <message>
        <source>H.2&amp;64 level:</source>
        <translation>H.2&amp;64-Level:</translation>
    </message>
    <message>
        <source>Noise reduction:</source>
        <translation>Rauschunterdrückung:</translation>
    </message>
    <message>
        <source>Datarate window:</source>
        <translation>Datenratenfenster:</translation>
    </message>
    <message>
        <source>CPU usa&amp;ge:</source>
        <translation>CPU-Auslastung:</translation>
    </message>
    <message>
        <source>Codec options</source>
        <translation>Codec-Optionen</translation>
    </message>
    <message>
        <source>Write the %1 into the profile; unticked, the profile leaves it out</source>
        <translation>%1 ins Profil schreiben; ohne Häkchen lässt das Profil den Wert weg</translation>
    </message>
    <message>
        <source>Keyframe fre&amp;quency:</source>
        <translation>Ke&amp;yframe-Intervall:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>&amp;Qualität:</translation>
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
    <message>
        <source> (removed on disk)</source>
        <translation> (auf dem Datenträger entfernt)</translation>
    </message>
    <message>
        <source>Its file was removed on disk. Saving writes it again.</source>
        <translation>Die Datei wurde auf dem Datenträger entfernt. Beim Speichern wird sie neu geschrieben.</translation>
    </message>
</context>
<context>
    <name>tolvane::MainWindow</name>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Show the profile as its file now holds it</source>
        <translation>Das Profil so zeigen, wie es jetzt in der Datei steht</translation>
    </message>
    <message>
        <source>&amp;Keep Editing</source>
        <translation>&amp;Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Keep the form as it is; saving keeps both sides&apos; changes</source>
        <translation>Das Formular so lassen; beim Speichern bleiben die Änderungen beider Seiten erhalten</translation>
    </message>
    <message>
        <source>No profile open</source>
        <translation>Kein Profil geöffnet</translation>
    </message>
    <message>
        <source>%1 was removed on disk. The form keeps it; Save writes it again.</source>
        <translation>%1 wurde auf dem Datenträger entfernt. Das Formular behält es; Speichern schreibt es neu.</translation>
    </message>
    <message>
        <source>Changed on disk: %1. Reload it, or keep editing and save with both sides&apos; changes.</source>
        <translation>Auf dem Datenträger geändert: %1. Neu laden oder weiter bearbeiten und mit den Änderungen beider Seiten speichern.</translation>
    </message>
    <message>
        <source>No profile is open: pick one of %1 above, or import one.</source>
        <translation>Kein Profil geöffnet: Wählen Sie oben eines aus %1 oder importieren Sie eines.</translation>
    </message>
    <message>
        <source>No profile is open: there is none in %1. Import one from the File menu.</source>
        <translation>Kein Profil geöffnet: In %1 gibt es keines. Importieren Sie eines über das Menü „Datei“.</translation>
    </message>
</context>
<context>
    <name>tolvane::OutputPanel</name>
    <message>
        <source>Output — Tolvane</source>
        <translation>Ausgabe — Tolvane</translation>
    </message>
    <message>
        <source>The server FMLE publishes to: rtmp:// or rtmps://</source>
        <translation>Der Server, an den FMLE sendet: rtmp:// oder rtmps://</translation>
    </message>
    <message>
        <source>The server FMLE turns to when the first fails</source>
        <translation>Der Server, den FMLE nutzt, wenn der erste ausfällt</translation>
    </message>
    <message>
        <source>The server URL must begin with rtmp:// or rtmps:// and name a host</source>
        <translation>Die Server-URL muss mit rtmp:// oder rtmps:// beginnen und einen Host nennen</translation>
    </message>
    <message>
        <source>The backup URL must begin with rtmp:// or rtmps:// and name a host</source>
        <translation>Die Backup-URL muss mit rtmp:// oder rtmps:// beginnen und einen Host nennen</translation>
    </message>
    <message>
        <source>Server &amp;URL:</source>
        <translation>Server-&amp;URL:</translation>
    </message>
    <message>
        <source>&amp;Backup URL:</source>
        <translation>&amp;Backup-URL:</translation>
    </message>
    <message>
        <source>The stream&apos;s name on the server, often with the private stream key</source>
        <translation>Der Name des Streams auf dem Server, oft mit dem privaten Streamschlüssel</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>An&amp;zeigen</translation>
    </message>
    <message>
        <source>Show the stream name and key in clear</source>
        <translation>Streamname und Schlüssel im Klartext anzeigen</translation>
    </message>
    <message>
        <source>Stream &amp;name:</source>
        <translation>Stream&amp;name:</translation>
    </message>
    <message>
        <source>The server receives:</source>
        <translation>Der Server erhält:</translation>
    </message>
    <message>
        <source>Stream %1: %2</source>
        <translation>Stream %1: %2</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Two or more streams reach the server under one name: add %i (the stream&apos;s number) to the name, or give one name per stream separated by “;”.</source>
        <translation>Mehrere Streams erreichen den Server unter einem Namen: Fügen Sie %i (die Nummer des Streams) in den Namen ein oder geben Sie je Stream einen Namen an, getrennt durch „;“.</translation>
    </message>
    <message>
        <source>The name mixes parameters with “;”: FMLE then sends the parameters as they are written.</source>
        <translation>Der Name mischt Parameter mit „;“: FMLE sendet die Parameter dann so, wie sie geschrieben sind.</translation>
    </message>
    <message>
        <source>Fewer names than streams: the later streams get an empty name.</source>
        <translation>Weniger Namen als Streams: Die übrigen Streams erhalten einen leeren Namen.</translation>
    </message>
    <message>
        <source>The file FMLE records the stream into</source>
        <translation>Die Datei, in die FMLE den Stream aufnimmt</translation>
    </message>
    <message>
        <source>Bro&amp;wse…</source>
        <translation>Du&amp;rchsuchen…</translation>
    </message>
    <message>
        <source>Choose the file to record into</source>
        <translation>Die Datei für die Aufnahme wählen</translation>
    </message>
    <message>
        <source>Record into</source>
        <translation>Aufnehmen in</translation>
    </message>
    <message>
        <source>Flash video (*.f4v *.flv);;All files (*)</source>
        <translation>Flash-Video (*.f4v *.flv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>Its folder exists on this computer.</source>
        <translation>Ihr Ordner existiert auf diesem Computer.</translation>
    </message>
    <message>
        <source>⚠ Its folder does not exist on this computer: FMLE cannot record there.</source>
        <translation>⚠ Ihr Ordner existiert auf diesem Computer nicht: FMLE kann dort nicht aufnehmen.</translation>
    </message>
    <message>
        <source>Limit by si&amp;ze</source>
        <translation>&amp;Größe begrenzen</translation>
    </message>
    <message>
        <source>End the recording&apos;s file at a size</source>
        <translation>Die Aufnahmedatei bei einer Größe beenden</translation>
    </message>
    <message>
        <source>The size limit in MB</source>
        <translation>Das Größenlimit in MB</translation>
    </message>
    <message>
        <source>The size limit is a number of MB, 1 or more</source>
        <translation>Das Größenlimit ist eine Zahl in MB, mindestens 1</translation>
    </message>
    <message>
        <source>Size limit</source>
        <translation>Größenlimit</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Limit by &amp;duration</source>
        <translation>D&amp;auer begrenzen</translation>
    </message>
    <message>
        <source>End the recording&apos;s file after a time</source>
        <translation>Die Aufnahmedatei nach einer Zeit beenden</translation>
    </message>
    <message>
        <source>The duration limit is hours and minutes (up to 59), more than none</source>
        <translation>Das Dauerlimit besteht aus Stunden und Minuten (bis 59) und ist größer als null</translation>
    </message>
    <message>
        <source>Duration limit: hours</source>
        <translation>Dauerlimit: Stunden</translation>
    </message>
    <message>
        <source>Duration limit: minutes</source>
        <translation>Dauerlimit: Minuten</translation>
    </message>
    <message>
        <source>Duration limit hours</source>
        <translation>Dauerlimit Stunden</translation>
    </message>
    <message>
        <source>Duration limit minutes</source>
        <translation>Dauerlimit Minuten</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>&amp;Auto adjust</source>
        <translation>Automatisch an&amp;passen</translation>
    </message>
    <message>
        <source>FMLE lowers what it sends when the connection cannot keep up</source>
        <translation>FMLE sendet weniger, wenn die Verbindung nicht mithält</translation>
    </message>
    <message>
        <source>How much FMLE buffers before it adjusts</source>
        <translation>Wie viel FMLE puffert, bevor es anpasst</translation>
    </message>
    <message>
        <source>Ma&amp;ximum buffer:</source>
        <translation>Ma&amp;ximaler Puffer:</translation>
    </message>
    <message>
        <source>Drop f&amp;rames</source>
        <translation>&amp;Frames auslassen</translation>
    </message>
    <message>
        <source>Leave frames out when the buffer is full</source>
        <translation>Frames auslassen, wenn der Puffer voll ist</translation>
    </message>
    <message>
        <source>Degrade qua&amp;lity</source>
        <translation>Qualität sen&amp;ken</translation>
    </message>
    <message>
        <source>Lower the video bitrate when the buffer is full</source>
        <translation>Die Videobitrate senken, wenn der Puffer voll ist</translation>
    </message>
    <message>
        <source>The video bitrate FMLE never goes below</source>
        <translation>Die Videobitrate, die FMLE nie unterschreitet</translation>
    </message>
    <message>
        <source>The minimum video bitrate is a number from 1 to 100,000 Kbps</source>
        <translation>Die minimale Videobitrate ist eine Zahl von 1 bis 100.000 Kbps</translation>
    </message>
    <message>
        <source>Minimum &amp;video bitrate:</source>
        <translation>Minimale &amp;Videobitrate:</translation>
    </message>
    <message>
        <source>Kbps</source>
        <translation>Kbps</translation>
    </message>
    <message>
        <source>Keep frame &amp;quality</source>
        <translation>Frame-&amp;Qualität halten</translation>
    </message>
    <message>
        <source>Keep each frame&apos;s quality while lowering the bitrate</source>
        <translation>Die Qualität jedes Frames halten, während die Bitrate sinkt</translation>
    </message>
    <message>
        <source>Da&amp;ys:</source>
        <translation>&amp;Tage:</translation>
    </message>
    <message>
        <source>Days between restarts</source>
        <translation>Tage zwischen Neustarts</translation>
    </message>
    <message>
        <source>H&amp;ours:</source>
        <translation>&amp;Stunden:</translation>
    </message>
    <message>
        <source>Hours between restarts</source>
        <translation>Stunden zwischen Neustarts</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minuten:</translation>
    </message>
    <message>
        <source>Minutes between restarts</source>
        <translation>Minuten zwischen Neustarts</translation>
    </message>
    <message>
        <source>How often FMLE tries to reconnect after a lost connection</source>
        <translation>Wie oft FMLE nach einem Verbindungsabbruch neu zu verbinden versucht</translation>
    </message>
    <message>
        <source>Attem&amp;pts:</source>
        <translation>Versu&amp;che:</translation>
    </message>
    <message>
        <source>Seconds between reconnection attempts</source>
        <translation>Sekunden zwischen den Verbindungsversuchen</translation>
    </message>
    <message>
        <source>&amp;Interval:</source>
        <translation>&amp;Intervall:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>Tite&amp;l:</translation>
    </message>
    <message>
        <source>D&amp;escription:</source>
        <translation>Besc&amp;hreibung:</translation>
    </message>
    <message>
        <source>Aut&amp;hor:</source>
        <translation>Aut&amp;or:</translation>
    </message>
    <message>
        <source>&amp;Copyright:</source>
        <translation>Cop&amp;yright:</translation>
    </message>
    <message>
        <source>&amp;Keywords:</source>
        <translation>Schlüssel&amp;wörter:</translation>
    </message>
    <message>
        <source>Ratin&amp;g:</source>
        <translation>B&amp;ewertung:</translation>
    </message>
    <message>
        <source>Sent with the stream as its %1</source>
        <translation>Mit dem Stream gesendet als %1</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <source>Auto-adjust</source>
        <translation>Automatische Anpassung</translation>
    </message>
    <message>
        <source>Restart interval</source>
        <translation>Neustartintervall</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Wiederverbindung</translation>
    </message>
    <message>
        <source>&amp;Output Settings…</source>
        <translation>&amp;Ausgabe-Einstellungen…</translation>
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
        <source>Video &amp;device:</source>
        <translation>&amp;Videogerät:</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Speichern als:</translation>
    </message>
    <message>
        <source>&amp;Audio device:</source>
        <translation>Audi&amp;ogerät:</translation>
    </message>
</context>
<context>
    <name>tolvane::StreamsSection</name>
    <message>
        <source>Streams</source>
        <translation>Streams</translation>
    </message>
    <message>
        <source>Stream %1&apos;s video bitrate in Kbps</source>
        <translation>Videobitrate von Stream %1 in Kbps</translation>
    </message>
    <message>
        <source>Stream %1&apos;s output width in px</source>
        <translation>Ausgabebreite von Stream %1 in px</translation>
    </message>
    <message>
        <source>Stream %1&apos;s output height in px</source>
        <translation>Ausgabehöhe von Stream %1 in px</translation>
    </message>
    <message>
        <source>Stream %1 width</source>
        <translation>Stream %1 Breite</translation>
    </message>
    <message>
        <source>Stream %1 height</source>
        <translation>Stream %1 Höhe</translation>
    </message>
    <message>
        <source>Stream &amp;%1:</source>
        <translation>Stream &amp;%1:</translation>
    </message>
    <message>
        <source>Stream %1 bitrate</source>
        <translation>Stream %1 Bitrate</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove stream %1</source>
        <translation>Stream %1 entfernen</translation>
    </message>
    <message>
        <source>Remove stream %1; the streams after it move up</source>
        <translation>Stream %1 entfernen; die folgenden Streams rücken auf</translation>
    </message>
    <message>
        <source>Kbps</source>
        <translation>Kbps</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Stream %1&apos;s video bitrate: a number from 1 to 100,000 Kbps</source>
        <translation>Videobitrate von Stream %1: eine Zahl von 1 bis 100.000 Kbps</translation>
    </message>
    <message>
        <source>Stream %1&apos;s output width</source>
        <translation>Ausgabebreite von Stream %1</translation>
    </message>
    <message>
        <source>Stream %1&apos;s output height</source>
        <translation>Ausgabehöhe von Stream %1</translation>
    </message>
    <message>
        <source>%1: an even number from 16 to 8192 px for H.264</source>
        <translation>%1: für H.264 eine gerade Zahl von 16 bis 8192 px</translation>
    </message>
    <message>
        <source>%1: a number from 16 to 8192 px</source>
        <translation>%1: eine Zahl von 16 bis 8192 px</translation>
    </message>
    <message>
        <source>= %1 Kbps with audio</source>
        <translation>= %1 Kbps mit Audio</translation>
    </message>
    <message>
        <source>Add stream</source>
        <translation>Stream hinzufügen</translation>
    </message>
    <message>
        <source>Send one more stream, a copy of the last one to edit</source>
        <translation>Einen weiteren Stream senden, als Kopie des letzten zum Bearbeiten</translation>
    </message>
    <message>
        <source>Total bitrate in Kbps: stream 1&apos;s video bitrate becomes this less the audio bitrate</source>
        <translation>Gesamtbitrate in Kbps: Die Videobitrate von Stream 1 wird dieser Wert abzüglich der Audiobitrate</translation>
    </message>
    <message>
        <source>Appl&amp;y total</source>
        <translation>&amp;Gesamt übernehmen</translation>
    </message>
    <message>
        <source>Set stream 1&apos;s video bitrate from the total bitrate</source>
        <translation>Die Videobitrate von Stream 1 aus der Gesamtbitrate setzen</translation>
    </message>
    <message>
        <source>Type a total bitrate</source>
        <translation>Geben Sie eine Gesamtbitrate ein</translation>
    </message>
    <message>
        <source>The total bitrate is a number from 1 to 100,000 Kbps</source>
        <translation>Die Gesamtbitrate ist eine Zahl von 1 bis 100.000 Kbps</translation>
    </message>
    <message>
        <source>The total bitrate must be more than the audio bitrate (%1 Kbps)</source>
        <translation>Die Gesamtbitrate muss größer sein als die Audiobitrate (%1 Kbps)</translation>
    </message>
    <message>
        <source>&amp;Total bitrate:</source>
        <translation>Gesa&amp;mtbitrate:</translation>
    </message>
    <message>
        <source>The profile holds more streams than shown here (bitrates “%1”, sizes “%2”): saving keeps them after these.</source>
        <translation>Das Profil enthält mehr Streams als hier gezeigt (Bitraten „%1“, Größen „%2“): Beim Speichern bleiben sie nach diesen erhalten.</translation>
    </message>
</context>
<context>
    <name>tolvane::VideoSection</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
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
        <source>Video codec</source>
        <translation>Videocodec</translation>
    </message>
    <message>
        <source>&amp;Codec:</source>
        <translation>&amp;Codec:</translation>
    </message>
    <message>
        <source>Frames per second FMLE captures</source>
        <translation>Bilder pro Sekunde, die FMLE aufnimmt</translation>
    </message>
    <message>
        <source>The size FMLE captures from the video device</source>
        <translation>Die Größe, die FMLE vom Videogerät aufnimmt</translation>
    </message>
    <message>
        <source>Input si&amp;ze:</source>
        <translation>&amp;Eingangsgröße:</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
</context>
</TS>
