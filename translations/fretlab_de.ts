<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>Learn the guitar neck: scales, arpeggios and chords marked and sounded.</source>
        <translation>Das Griffbrett der Gitarre lernen: Tonleitern, Arpeggien und Akkorde markiert und hörbar.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later), with no warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder jeder späteren Version (GPL-3.0-or-later), ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>Soundfont</source>
        <translation>Soundfont</translation>
    </message>
    <message>
        <source>none (the sound goes elsewhere or is off)</source>
        <translation>keine (der Klang geht anderswohin oder ist aus)</translation>
    </message>
    <message>
        <source>The soundfont is the system&apos;s own file, under its own package&apos;s licence.</source>
        <translation>Die Soundfont ist eine Datei des Systems und steht unter der Lizenz ihres eigenen Pakets.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Practice history</source>
        <translation>Übungsverlauf</translation>
    </message>
    <message>
        <source>About Fretlab</source>
        <translation>Über Fretlab</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Where notes go: synth (built-in synthesizer, the default), alsa (an ALSA sequencer port), alsa:NAME (connect to the port whose name contains NAME), log:FILE (a line per event; a pipe needs its reader running) or none (silent).</source>
        <translation>Wohin die Töne gehen: synth (eingebauter Synthesizer, die Vorgabe), alsa (ein Port des ALSA-Sequencers), alsa:NAME (Verbindung zum Port, dessen Name NAME enthält), log:FILE (eine Zeile je Ereignis; eine Pipe braucht ein laufendes Leseprogramm) oder none (stumm).</translation>
    </message>
    <message>
        <source>The SoundFont the built-in synthesizer plays (default: the installed General MIDI soundfont).</source>
        <translation>Die SoundFont, die der eingebaute Synthesizer spielt (Vorgabe: die installierte General-MIDI-Soundfont).</translation>
    </message>
    <message>
        <source>Open Fretlab Practice: a resizable neck in any tuning, with spelled note names, intervals, a left-handed view and pictures.</source>
        <translation>Fretlab Practice öffnen: ein Griffbrett in beliebiger Größe und Stimmung, mit richtig geschriebenen Notennamen, Intervallen, einer Ansicht für Linkshänder und Bildern.</translation>
    </message>
    <message>
        <source>With --practice: answer the drills from the ALSA sequencer input port whose name contains NAME (&quot;&quot; for a port of Fretlab&apos;s own).</source>
        <translation>Mit --practice: die Übungen über den Eingangsport des ALSA-Sequencers beantworten, dessen Name NAME enthält (&quot;&quot; für einen eigenen Port von Fretlab).</translation>
    </message>
    <message>
        <source>Write the sequence file to OUT and exit, without a window: fretlab --export OUT IN.fbs. OUT&apos;s extension chooses the format: .mid or .midi (Standard MIDI File), .musicxml (score with tablature and chord diagrams) or .txt (chord chart).</source>
        <translation>Die Sequenzdatei nach OUT schreiben und beenden, ohne Fenster: fretlab --export OUT IN.fbs. Die Endung von OUT wählt das Format: .mid oder .midi (Standard-MIDI-Datei), .musicxml (Noten mit Tabulatur und Akkorddiagrammen) oder .txt (Akkordliste).</translation>
    </message>
    <message>
        <source>Print the notes played in a sound file and exit, one line each: onset ms, decision ms, name, MIDI number, cents. --lowest NOTE (default B1; E1 for a bass) sets the lowest note expected.</source>
        <translation>Die in einer Audiodatei gespielten Töne ausgeben und beenden, je eine Zeile: Einsatz in ms, Entscheidung in ms, Name, MIDI-Nummer, Cent. --lowest NOTE (Vorgabe B1; E1 für einen Bass) legt den tiefsten erwarteten Ton fest.</translation>
    </message>
    <message>
        <source>Learn the guitar neck: scales, arpeggios and chords marked and sounded.</source>
        <translation>Das Griffbrett der Gitarre lernen: Tonleitern, Arpeggien und Akkorde markiert und hörbar.</translation>
    </message>
    <message>
        <source>A sequence file (.fbs) to open.</source>
        <translation>Eine zu öffnende Sequenzdatei (.fbs).</translation>
    </message>
    <message>
        <source>fretlab: unknown option %1; see fretlab --help</source>
        <translation>fretlab: unbekannte Option %1; siehe fretlab --help</translation>
    </message>
    <message>
        <source>fretlab: --export takes one sequence file: fretlab --export OUT IN.fbs</source>
        <translation>fretlab: --export nimmt genau eine Sequenzdatei: fretlab --export OUT IN.fbs</translation>
    </message>
    <message>
        <source>fretlab: only one sequence file can be opened</source>
        <translation>fretlab: es kann nur eine Sequenzdatei geöffnet werden</translation>
    </message>
    <message>
        <source>fretlab: --midi-in applies only to the Practice window (fretlab --practice); ignored</source>
        <translation>fretlab: --midi-in gilt nur für das Practice-Fenster (fretlab --practice); nicht beachtet</translation>
    </message>
    <message>
        <source>Write a picture of the Practice neck without a window. Options: --tuning NAME|&quot;NOTES&quot; (lowest string first), --capo N, --root NOTE, --scale NAME | --arpeggio NAME | --chord NAME, --labels notes|intervals|degrees|names|none, --frets A-B, --position caged:E|3nps:N|box:N (one position of the scale, the rest faded), --triads STRINGSET (a chord&apos;s triads on three strings, such as 2-4), --left-handed.</source>
        <translation>Ein Bild des Practice-Griffbretts schreiben, ohne Fenster. Optionen: --tuning NAME|&quot;NOTES&quot; (tiefste Saite zuerst), --capo N, --root NOTE, --scale NAME | --arpeggio NAME | --chord NAME, --labels notes|intervals|degrees|names|none, --frets A-B, --position caged:E|3nps:N|box:N (eine Lage der Tonleiter, der Rest blass), --triads STRINGSET (die Dreiklänge eines Akkords auf drei Saiten, etwa 2-4), --left-handed.</translation>
    </message>
    <message>
        <source>Print the voicings of a chord and exit, best first, one a line: frets from the lowest string, kind, notes (x32010  open  C E G C E). Options: --tuning NAME|&quot;NOTES&quot;, --capo N, --span N (3 to 6 frets, default 4), --limit N (lines, default 20, 0 for all).</source>
        <translation>Die Griffe eines Akkords ausgeben und beenden, die besten zuerst, je einer pro Zeile: Bünde von der tiefsten Saite an, Art, Töne (x32010  open  C E G C E). Optionen: --tuning NAME|&quot;NOTES&quot;, --capo N, --span N (3 bis 6 Bünde, Vorgabe 4), --limit N (Zeilen, Vorgabe 20, 0 für alle).</translation>
    </message>
</context>
<context>
    <name>DrillMode</name>
    <message>
        <source>Notes from the MIDI port %1 answer.</source>
        <translation>Töne vom MIDI-Port %1 antworten.</translation>
    </message>
    <message>
        <source>Intervals by ear</source>
        <translation>Intervalle nach Gehör</translation>
    </message>
    <message>
        <source>Chord quality by ear</source>
        <translation>Akkordtyp nach Gehör</translation>
    </message>
    <message>
        <source>Scale sound</source>
        <translation>Klang der Tonleiter</translation>
    </message>
    <message>
        <source>or type it (m3, A4, TT) and press Enter</source>
        <translation>oder eintippen (m3, A4, TT) und Eingabe drücken</translation>
    </message>
    <message>
        <source>or type it (min, maj7, m7b5) and press Enter</source>
        <translation>oder eintippen (min, maj7, m7b5) und Eingabe drücken</translation>
    </message>
    <message>
        <source>or type it (Dorian, blues) and press Enter</source>
        <translation>oder eintippen (Dorian, blues) und Eingabe drücken</translation>
    </message>
    <message>
        <source>you answered %1; it was %2. Hear the %1, then the %2.</source>
        <translation>Sie haben %1 geantwortet; es war %2. Hören Sie erst %1, dann %2.</translation>
    </message>
    <message>
        <source>the right note, an octave off: the %1 goes to %2.</source>
        <translation>der richtige Ton, eine Oktave daneben: %1 führt zu %2.</translation>
    </message>
    <message>
        <source>the note given makes a %1; the %2 goes to %3. Hear the %1, then the %2.</source>
        <translation>der angegebene Ton ergibt %1; %2 führt zu %3. Hören Sie erst %1, dann %2.</translation>
    </message>
    <message>
        <source>your voicing is none of the qualities on the marked root</source>
        <translation>Ihr Griff ist keiner der Akkordtypen auf dem markierten Grundton</translation>
    </message>
    <message>
        <source>your voicing sounds %1</source>
        <translation>Ihr Griff klingt als %1</translation>
    </message>
    <message>
        <source>%1 (%2); the chord heard was %3, at %4. Hear yours, then the one heard.</source>
        <translation>%1 (%2); gehört war %3, bei %4. Hören Sie erst Ihren Griff, dann den gehörten.</translation>
    </message>
</context>
<context>
    <name>DrillTexts</name>
    <message>
        <source>string %1 fret %2</source>
        <translation>Saite %1 Bund %2</translation>
    </message>
    <message>
        <source>string %1, fret %2</source>
        <translation>Saite %1, Bund %2</translation>
    </message>
    <message>
        <source>%1 and 1 more place</source>
        <translation>%1 und 1 weitere Stelle</translation>
    </message>
    <message>
        <source>%1 and %2 more places</source>
        <translation>%1 und %2 weitere Stellen</translation>
    </message>
    <message>
        <source>%1, the %2</source>
        <translation>%1, die %2</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Find the note</source>
        <translation>Ton finden</translation>
    </message>
    <message>
        <source>Name the note</source>
        <translation>Ton benennen</translation>
    </message>
    <message>
        <source>Where is the degree?</source>
        <translation>Wo liegt die Stufe?</translation>
    </message>
    <message>
        <source>Which degree is this?</source>
        <translation>Welche Stufe ist das?</translation>
    </message>
    <message>
        <source>Ear to neck</source>
        <translation>Vom Gehör aufs Griffbrett</translation>
    </message>
    <message>
        <source>Chord tone</source>
        <translation>Akkordton</translation>
    </message>
    <message>
        <source>Every chord tone</source>
        <translation>Alle Akkordtöne</translation>
    </message>
    <message>
        <source>Wrong (%1): %2</source>
        <translation>Falsch (%1): %2</translation>
    </message>
    <message>
        <source>Right (%1), written %2 in this key.</source>
        <translation>Richtig (%1), in dieser Tonart %2 geschrieben.</translation>
    </message>
    <message>
        <source>Right (%1).</source>
        <translation>Richtig (%1).</translation>
    </message>
    <message>
        <source>The right note, but an octave off (%1).</source>
        <translation>Der richtige Ton, aber eine Oktave daneben (%1).</translation>
    </message>
    <message>
        <source>Found already.</source>
        <translation>Schon gefunden.</translation>
    </message>
    <message>
        <source>Wrong (%1): it was %2.</source>
        <translation>Falsch (%1): es war %2.</translation>
    </message>
    <message>
        <source>you played %1</source>
        <translation>Sie haben %1 gespielt</translation>
    </message>
    <message>
        <source>you answered %1</source>
        <translation>Sie haben %1 geantwortet</translation>
    </message>
    <message>
        <source>%1; %2 is the %3 (%4).</source>
        <translation>%1; %2 ist die %3 (%4).</translation>
    </message>
    <message>
        <source>%1; %2 is %3.</source>
        <translation>%1; %2 ist %3.</translation>
    </message>
    <message>
        <source>you clicked %1</source>
        <translation>Sie haben %1 angeklickt</translation>
    </message>
    <message>
        <source>%1, an octave off; the note was %2, at %3.</source>
        <translation>%1, eine Oktave daneben; der Ton war %2, bei %3.</translation>
    </message>
    <message>
        <source>%1; the note was %2, at %3.</source>
        <translation>%1; der Ton war %2, bei %3.</translation>
    </message>
    <message>
        <source>%1; the %2 is %3, at %4.</source>
        <translation>%1; die %2 ist %3, bei %4.</translation>
    </message>
    <message>
        <source>%1; the %2 of the chord is %3, at %4.</source>
        <translation>%1; die %2 des Akkords ist %3, bei %4.</translation>
    </message>
    <message>
        <source>%1, not a tone of %2; its tones are at %3.</source>
        <translation>%1, kein Ton von %2; seine Töne liegen bei %3.</translation>
    </message>
    <message>
        <source>%1; %2 is at %3.</source>
        <translation>%1; %2 liegt bei %3.</translation>
    </message>
    <message>
        <source>frets %1–%2</source>
        <translation>Bünde %1–%2</translation>
    </message>
    <message>
        <source>string %1, %2</source>
        <translation>Saite %1, %2</translation>
    </message>
    <message>
        <source>strings %1, %2</source>
        <translation>Saiten %1, %2</translation>
    </message>
    <message>
        <source>Round over: %1 of %2 answers right (%3 %), median %4 s.</source>
        <translation>Runde vorbei: %1 von %2 Antworten richtig (%3 %), Median %4 s.</translation>
    </message>
    <message>
        <source>%1 (%2 s)</source>
        <translation>%1 (%2 s)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n missed)</source>
        <translation>
            <numerusform>%1 (%n-mal verfehlt)</numerusform>
            <numerusform>%1 (%n-mal verfehlt)</numerusform>
        </translation>
    </message>
    <message>
        <source>Slowest: %1.</source>
        <translation>Am langsamsten: %1.</translation>
    </message>
    <message>
        <source>Most missed: %1.</source>
        <translation>Am häufigsten verfehlt: %1.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Find every %1</source>
        <translation>Finden Sie jedes %1</translation>
    </message>
    <message>
        <source>Name this note</source>
        <translation>Benennen Sie diesen Ton</translation>
    </message>
    <message>
        <source>Where is the %1?</source>
        <translation>Wo liegt die %1?</translation>
    </message>
    <message>
        <source>Find the note you hear</source>
        <translation>Finden Sie den Ton, den Sie hören</translation>
    </message>
    <message>
        <source>Click the %1 of %2</source>
        <translation>Klicken Sie die %1 von %2 an</translation>
    </message>
    <message>
        <source>Click every chord tone of %1</source>
        <translation>Klicken Sie jeden Akkordton von %1 an</translation>
    </message>
    <message>
        <source>Find every note of the position</source>
        <translation>Alle Töne der Lage finden</translation>
    </message>
    <message>
        <source>Play a voicing</source>
        <translation>Einen Griff spielen</translation>
    </message>
    <message>
        <source>Right (%1): %2.</source>
        <translation>Richtig (%1): %2.</translation>
    </message>
    <message>
        <source>Right (%1): %2 heard.</source>
        <translation>Richtig (%1): %2 gehört.</translation>
    </message>
    <message>
        <source>%1 is no voicing of %2 here (%3); one is %4.</source>
        <translation>%1 ist hier kein Griff von %2 (%3); einer ist %4.</translation>
    </message>
</context>
<context>
    <name>NeckExport</name>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>SVG-Bild (*.svg);;PNG-Bild (*.png)</translation>
    </message>
</context>
<context>
    <name>PracticeMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>Bild &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Auswahl</translation>
    </message>
    <message>
        <source>Root &amp;Up</source>
        <translation>Grundton &amp;höher</translation>
    </message>
    <message>
        <source>Root &amp;Down</source>
        <translation>Grundton &amp;tiefer</translation>
    </message>
    <message>
        <source>&amp;Next Scale or Chord</source>
        <translation>&amp;Nächste Tonleiter oder nächster Akkord</translation>
    </message>
    <message>
        <source>&amp;Previous Scale or Chord</source>
        <translation>&amp;Vorherige Tonleiter oder vorheriger Akkord</translation>
    </message>
    <message>
        <source>Next &amp;Labels</source>
        <translation>Nächste &amp;Beschriftung</translation>
    </message>
    <message>
        <source>L&amp;eft-Handed</source>
        <translation>&amp;Linkshändig</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Klang</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>&amp;Strum</source>
        <translation>An&amp;schlagen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Fretlab</source>
        <translation>Ü&amp;ber Fretlab</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>Next P&amp;osition</source>
        <translation>Nächste La&amp;ge</translation>
    </message>
    <message>
        <source>Previous Po&amp;sition</source>
        <translation>V&amp;orherige Lage</translation>
    </message>
    <message>
        <source>&amp;Listen to my guitar</source>
        <translation>&amp;Meiner Gitarre zuhören</translation>
    </message>
</context>
<context>
    <name>ProgressPanel</name>
    <message>
        <source>Asked ↓ answered →</source>
        <translation>Gefragt ↓ geantwortet →</translation>
    </message>
    <message>
        <source>answered %1</source>
        <translation>geantwortet: %1</translation>
    </message>
    <message>
        <source>Confusion table: what was answered for what was asked</source>
        <translation>Verwechslungstabelle: was auf welche Frage geantwortet wurde</translation>
    </message>
    <message>
        <source>%1 asked, %2 answered: %3 times</source>
        <translation>%1 gefragt, %2 geantwortet: %3-mal</translation>
    </message>
</context>
<context>
    <name>fretlab::ChordLabMode</name>
    <message>
        <source>Click one position per string to build a chord; click beside an open string to mute it.</source>
        <translation>Klicken Sie je Saite eine Stelle an, um einen Akkord zu bauen; ein Klick neben eine leere Saite dämpft sie.</translation>
    </message>
    <message>
        <source>Chord name</source>
        <translation>Akkordname</translation>
    </message>
    <message>
        <source>Other names</source>
        <translation>Andere Namen</translation>
    </message>
    <message>
        <source>Frets from the lowest string</source>
        <translation>Bünde von der tiefsten Saite an</translation>
    </message>
    <message>
        <source>Clear chor&amp;d</source>
        <translation>Akkord l&amp;öschen</translation>
    </message>
    <message>
        <source>Clear chord</source>
        <translation>Akkord löschen</translation>
    </message>
    <message>
        <source>Also: %1</source>
        <translation>Auch: %1</translation>
    </message>
    <message>
        <source>Frets: %1</source>
        <translation>Bünde: %1</translation>
    </message>
    <message>
        <source>Chord lab</source>
        <translation>Akkordlabor</translation>
    </message>
    <message>
        <source>String for the note you play</source>
        <translation>Saite für den gespielten Ton</translation>
    </message>
    <message>
        <source>Note out of reach</source>
        <translation>Ton nicht erreichbar</translation>
    </message>
    <message>
        <source>Play a note for string %1, %2 string (click a string or use the arrow keys to pick another).</source>
        <translation>Spielen Sie einen Ton für Saite %1, die %2-Saite (klicken Sie eine Saite an oder wählen Sie mit den Pfeiltasten eine andere).</translation>
    </message>
</context>
<context>
    <name>fretlab::ChordsMode</name>
    <message>
        <source>Type a chord symbol; every voicing in the tuning and capo shows, the common shapes first. Click one to see it on the neck and hear it.</source>
        <translation>Geben Sie ein Akkordsymbol ein; alle Griffe in dieser Stimmung und mit diesem Kapodaster erscheinen, die gängigen Formen zuerst. Klicken Sie einen an, um ihn auf dem Griffbrett zu sehen und zu hören.</translation>
    </message>
    <message>
        <source>Chord symbol</source>
        <translation>Akkordsymbol</translation>
    </message>
    <message>
        <source>Voicings found</source>
        <translation>Gefundene Griffe</translation>
    </message>
    <message>
        <source>Voicings</source>
        <translation>Griffe</translation>
    </message>
    <message>
        <source>Open in Chord lab</source>
        <translation>Im Akkordlabor öffnen</translation>
    </message>
    <message>
        <source>Type a chord symbol such as Cmaj7.</source>
        <translation>Geben Sie ein Akkordsymbol ein, etwa Cmaj7.</translation>
    </message>
    <message>
        <source>Not a chord symbol: %1.</source>
        <translation>Kein Akkordsymbol: %1.</translation>
    </message>
    <message>
        <source>%1: the first %2 of %3 voicings</source>
        <translation>%1: die ersten %2 von %3 Griffen</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n voicing(s)</source>
        <translation>
            <numerusform>%1: %n Griff</numerusform>
            <numerusform>%1: %n Griffe</numerusform>
        </translation>
    </message>
    <message>
        <source>Chords</source>
        <translation>Akkorde</translation>
    </message>
</context>
<context>
    <name>fretlab::ControlPanel</name>
    <message>
        <source>What the round is about</source>
        <translation>Worum es in der Runde geht</translation>
    </message>
    <message>
        <source>Show and neck</source>
        <translation>Anzeige und Griffbrett</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>Str&amp;um</source>
        <translation>Ans&amp;chlagen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Note length in milliseconds</source>
        <translation>Tonlänge in Millisekunden</translation>
    </message>
    <message>
        <source>Note len&amp;gth:</source>
        <translation>Tonl&amp;änge:</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>Modi</translation>
    </message>
</context>
<context>
    <name>fretlab::DrillChoice</name>
    <message>
        <source>Drill</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Drill:</source>
        <translation>Übung:</translation>
    </message>
    <message>
        <source>all, or e.g. 1-3, 5</source>
        <translation>alle, oder z. B. 1-3, 5</translation>
    </message>
    <message>
        <source>Strings to practise</source>
        <translation>Zu übende Saiten</translation>
    </message>
    <message>
        <source>Strings:</source>
        <translation>Saiten:</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>unbegrenzt</translation>
    </message>
    <message>
        <source>Questions per round</source>
        <translation>Fragen je Runde</translation>
    </message>
    <message>
        <source>&amp;Questions:</source>
        <translation>&amp;Fragen:</translation>
    </message>
    <message>
        <source>Minutes per round</source>
        <translation>Minuten je Runde</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minuten:</translation>
    </message>
    <message>
        <source>No instrument</source>
        <translation>Kein Instrument</translation>
    </message>
    <message>
        <source>Fretlab&apos;s own port (connect to it)</source>
        <translation>Eigener Port von Fretlab (zum Verbinden)</translation>
    </message>
    <message>
        <source>MIDI instrument</source>
        <translation>MIDI-Instrument</translation>
    </message>
    <message>
        <source>MIDI instrument:</source>
        <translation>MIDI-Instrument:</translation>
    </message>
    <message>
        <source>Ear to neck: the key&apos;s root first, as a reference</source>
        <translation>Vom Gehör aufs Griffbrett: zuerst der Grundton der Tonart als Bezug</translation>
    </message>
    <message>
        <source>Sound the root first as a reference</source>
        <translation>Zuerst den Grundton als Bezug spielen</translation>
    </message>
    <message>
        <source>Ask a missed question again later in the round</source>
        <translation>Eine verfehlte Frage später in der Runde noch einmal stellen</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>wait for Next</source>
        <translation>auf „Weiter“ warten</translation>
    </message>
    <message>
        <source>After a miss, go on by itself after this many seconds</source>
        <translation>Nach einem Fehler nach so vielen Sekunden von selbst weitermachen</translation>
    </message>
    <message>
        <source>After a miss, go on:</source>
        <translation>Nach einem Fehler weiter:</translation>
    </message>
    <message>
        <source>Start round</source>
        <translation>Runde starten</translation>
    </message>
</context>
<context>
    <name>fretlab::DrillMode</name>
    <message>
        <source>Round stopped.</source>
        <translation>Runde abgebrochen.</translation>
    </message>
    <message>
        <source>Strings: give numbers from 1 (the thinnest) such as 1-3, 5, or leave it empty for all.</source>
        <translation>Saiten: Nummern ab 1 (die dünnste) angeben, etwa 1-3, 5, oder leer lassen für alle.</translation>
    </message>
    <message>
        <source>Nothing to ask within these strings, frets and notes.</source>
        <translation>Mit diesen Saiten, Bünden und Tönen gibt es nichts zu fragen.</translation>
    </message>
    <message>
        <source>The round ended: what it asks about changed.</source>
        <translation>Die Runde ist beendet: Ihr Gegenstand hat sich geändert.</translation>
    </message>
    <message>
        <source>&amp;Drills</source>
        <translation>&amp;Übungen</translation>
    </message>
</context>
<context>
    <name>fretlab::DrillPage</name>
    <message>
        <source>Choice of drill</source>
        <translation>Wahl der Übung</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>fretlab::EarChoice</name>
    <message>
        <source>P4 P5 P8</source>
        <translation>P4 P5 P8</translation>
    </message>
    <message>
        <source>+ M3 m3</source>
        <translation>+ M3 m3</translation>
    </message>
    <message>
        <source>+ M2 m2</source>
        <translation>+ M2 m2</translation>
    </message>
    <message>
        <source>+ M6 m6</source>
        <translation>+ M6 m6</translation>
    </message>
    <message>
        <source>+ m7 M7 TT</source>
        <translation>+ m7 M7 TT</translation>
    </message>
    <message>
        <source>+ compound, to P15</source>
        <translation>+ zusammengesetzte, bis P15</translation>
    </message>
    <message>
        <source>major, minor</source>
        <translation>Dur, Moll</translation>
    </message>
    <message>
        <source>+ diminished, augmented</source>
        <translation>+ vermindert, übermäßig</translation>
    </message>
    <message>
        <source>+ sus2, sus4</source>
        <translation>+ sus2, sus4</translation>
    </message>
    <message>
        <source>+ 7, maj7, m7</source>
        <translation>+ 7, maj7, m7</translation>
    </message>
    <message>
        <source>+ m7♭5, dim7</source>
        <translation>+ m7♭5, dim7</translation>
    </message>
    <message>
        <source>Major, natural minor</source>
        <translation>Dur, natürliches Moll</translation>
    </message>
    <message>
        <source>+ pentatonics, blues</source>
        <translation>+ Pentatoniken, Blues</translation>
    </message>
    <message>
        <source>+ Dorian, Mixolydian, Lydian</source>
        <translation>+ Dorisch, Mixolydisch, Lydisch</translation>
    </message>
    <message>
        <source>+ Phrygian, Locrian</source>
        <translation>+ Phrygisch, Lokrisch</translation>
    </message>
    <message>
        <source>+ harmonic, melodic minor</source>
        <translation>+ harmonisches, melodisches Moll</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Aufwärts</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Abwärts</translation>
    </message>
    <message>
        <source>Together</source>
        <translation>Gleichzeitig</translation>
    </message>
    <message>
        <source>How the two notes sound</source>
        <translation>Wie die beiden Töne erklingen</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Töne:</translation>
    </message>
    <message>
        <source>What is in play</source>
        <translation>Was abgefragt wird</translation>
    </message>
    <message>
        <source>In play:</source>
        <translation>Abgefragt:</translation>
    </message>
    <message>
        <source>By its name</source>
        <translation>Mit dem Namen</translation>
    </message>
    <message>
        <source>The second note on the neck</source>
        <translation>Zweiter Ton auf dem Griffbrett</translation>
    </message>
    <message>
        <source>How to answer</source>
        <translation>Art der Antwort</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Strummed</source>
        <translation>Angeschlagen</translation>
    </message>
    <message>
        <source>Arpeggiated</source>
        <translation>Arpeggiert</translation>
    </message>
    <message>
        <source>How the chord sounds</source>
        <translation>Wie der Akkord erklingt</translation>
    </message>
    <message>
        <source>Chord:</source>
        <translation>Akkord:</translation>
    </message>
    <message>
        <source>Up from its root</source>
        <translation>Aufwärts vom Grundton</translation>
    </message>
    <message>
        <source>A short phrase in it</source>
        <translation>Eine kurze Phrase daraus</translation>
    </message>
    <message>
        <source>How the scale sounds</source>
        <translation>Wie die Tonleiter erklingt</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Tonleiter:</translation>
    </message>
    <message>
        <source> beats a minute</source>
        <translation> Schläge pro Minute</translation>
    </message>
    <message>
        <source>Tempo of the notes heard</source>
        <translation>Tempo der vorgespielten Töne</translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Pick its voicing on the neck</source>
        <translation>Seinen Griff auf dem Griffbrett wählen</translation>
    </message>
</context>
<context>
    <name>fretlab::ExploreMode</name>
    <message>
        <source>Explore</source>
        <translation>Erkunden</translation>
    </message>
    <message>
        <source>Point at the neck to see a note; click it (or press Enter on the cursor) to hear it. Play walks the marked notes up and back, Strum sounds the chord, Escape stops. With “Listen to my guitar” on, a note you play shows wherever it is on the neck.</source>
        <translation>Zeigen Sie auf das Griffbrett, um einen Ton zu sehen; klicken Sie ihn an (oder drücken Sie am Cursor die Eingabetaste), um ihn zu hören. „Wiedergabe“ spielt die markierten Töne hinauf und wieder hinunter, „Anschlagen“ lässt den Akkord erklingen, Esc hält an. Ist „Meiner Gitarre zuhören“ eingeschaltet, erscheint ein gespielter Ton überall, wo er auf dem Griffbrett liegt.</translation>
    </message>
    <message>
        <source>What you played</source>
        <translation>Was Sie gespielt haben</translation>
    </message>
</context>
<context>
    <name>fretlab::ListeningBar</name>
    <message>
        <source>Listen to my guitar</source>
        <translation>Meiner Gitarre zuhören</translation>
    </message>
    <message>
        <source>The system&apos;s default input</source>
        <translation>Standardeingang des Systems</translation>
    </message>
    <message>
        <source>Input to listen to</source>
        <translation>Eingang, dem zugehört wird</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Eingang:</translation>
    </message>
    <message>
        <source>Input level in dB</source>
        <translation>Eingangspegel in dB</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Hört zu</translation>
    </message>
    <message>
        <source>Single notes only: a chord is not heard.</source>
        <translation>Nur Einzeltöne: Ein Akkord wird nicht erkannt.</translation>
    </message>
    <message>
        <source>Sound input</source>
        <translation>Audioeingang</translation>
    </message>
    <message>
        <source>%1 (the default)</source>
        <translation>%1 (Standard)</translation>
    </message>
</context>
<context>
    <name>fretlab::NeckWidget</name>
    <message>
        <source>Guitar neck. Arrow keys move across strings and frets, Enter or Space sounds the note.</source>
        <translation>Gitarrengriffbrett. Die Pfeiltasten wandern über Saiten und Bünde, Eingabe- oder Leertaste spielt den Ton.</translation>
    </message>
</context>
<context>
    <name>fretlab::PracticeControls</name>
    <message>
        <source>Show</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Grundton</translation>
    </message>
    <message>
        <source>&amp;Root:</source>
        <translation>G&amp;rundton:</translation>
    </message>
    <message>
        <source>Spell the root the &amp;other way</source>
        <translation>Grundton anders schrei&amp;ben</translation>
    </message>
    <message>
        <source>Spell the root the other way</source>
        <translation>Grundton anders schreiben</translation>
    </message>
    <message>
        <source>Kind of choice</source>
        <translation>Art der Auswahl</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Tonleiter</translation>
    </message>
    <message>
        <source>Arpeggio</source>
        <translation>Arpeggio</translation>
    </message>
    <message>
        <source>Chord tones</source>
        <translation>Akkordtöne</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>Ar&amp;t:</translation>
    </message>
    <message>
        <source>Scale or chord</source>
        <translation>Tonleiter oder Akkord</translation>
    </message>
    <message>
        <source>Sca&amp;le or chord:</source>
        <translation>Tonleiter oder Akk&amp;ord:</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Note names</source>
        <translation>Notennamen</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>La&amp;bels:</source>
        <translation>Beschrift&amp;ung:</translation>
    </message>
    <message>
        <source>Neck</source>
        <translation>Griffbrett</translation>
    </message>
    <message>
        <source>Capo fret</source>
        <translation>Bund des Kapodasters</translation>
    </message>
    <message>
        <source>Ca&amp;po:</source>
        <translation>Ka&amp;po:</translation>
    </message>
    <message>
        <source>&amp;Whole neck</source>
        <translation>&amp;Ganzes Griffbrett</translation>
    </message>
    <message>
        <source>Whole neck</source>
        <translation>Ganzes Griffbrett</translation>
    </message>
    <message>
        <source>Lowest fret in use</source>
        <translation>Tiefster verwendeter Bund</translation>
    </message>
    <message>
        <source>Highest fret in use</source>
        <translation>Höchster verwendeter Bund</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Fr&amp;ets:</source>
        <translation>Bünd&amp;e:</translation>
    </message>
    <message>
        <source>Fret spacing</source>
        <translation>Bundabstände</translation>
    </message>
    <message>
        <source>As on a guitar</source>
        <translation>Wie auf einer Gitarre</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gleichmäßig</translation>
    </message>
    <message>
        <source>Left-&amp;handed</source>
        <translation>&amp;Linkshändig</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>Linkshändig</translation>
    </message>
    <message>
        <source>Spac&amp;ing:</source>
        <translation>Ab&amp;stände:</translation>
    </message>
    <message>
        <source>Spell the r&amp;oot as %1</source>
        <translation>Grundton als %1 schrei&amp;ben</translation>
    </message>
    <message>
        <source>English (C D E … A B C)</source>
        <translation>Englisch (C D E … A B C)</translation>
    </message>
    <message>
        <source>German (… A H C, B for B♭)</source>
        <translation>Deutsch (… A H C, B = B♭)</translation>
    </message>
    <message>
        <source>Solfège (Do Ré Mi …)</source>
        <translation>Solfège (Do Ré Mi …)</translation>
    </message>
    <message>
        <source>Note names:</source>
        <translation>Notennamen:</translation>
    </message>
    <message>
        <source>Interval names</source>
        <translation>Intervallnamen</translation>
    </message>
    <message>
        <source>Notes outside the key</source>
        <translation>Töne außerhalb der Tonart</translation>
    </message>
    <message>
        <source>sharps (♯)</source>
        <translation>Kreuze (♯)</translation>
    </message>
    <message>
        <source>flats (♭)</source>
        <translation>Bes (♭)</translation>
    </message>
    <message>
        <source>Notes outside the key:</source>
        <translation>Töne außerhalb der Tonart:</translation>
    </message>
    <message>
        <source>My scales…</source>
        <translation>Eigene Tonleitern…</translation>
    </message>
    <message>
        <source>My scales</source>
        <translation>Eigene Tonleitern</translation>
    </message>
</context>
<context>
    <name>fretlab::PracticeWindow</name>
    <message>
        <source>Fretlab Practice</source>
        <translation>Fretlab Practice</translation>
    </message>
    <message>
        <source>Point at the neck to see a note; click it to hear it.</source>
        <translation>Zeigen Sie auf das Griffbrett, um einen Ton zu sehen; klicken Sie ihn an, um ihn zu hören.</translation>
    </message>
</context>
<context>
    <name>fretlab::ProgressPanel</name>
    <message>
        <source>All drills</source>
        <translation>Alle Übungen</translation>
    </message>
    <message>
        <source>Drills shown</source>
        <translation>Gezeigte Übungen</translation>
    </message>
    <message>
        <source>Drills:</source>
        <translation>Übungen:</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Trefferquote</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediane Zeit</translation>
    </message>
    <message>
        <source>Heatmap shows</source>
        <translation>Die Heatmap zeigt</translation>
    </message>
    <message>
        <source>Heatmap:</source>
        <translation>Heatmap:</translation>
    </message>
    <message>
        <source>Per note or degree</source>
        <translation>Je Ton oder Stufe</translation>
    </message>
    <message>
        <source>Per position (the heatmap as text)</source>
        <translation>Je Stelle (die Heatmap als Text)</translation>
    </message>
    <message>
        <source>Table shows</source>
        <translation>Die Tabelle zeigt</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>Tabelle:</translation>
    </message>
    <message>
        <source>Heatmap legend</source>
        <translation>Legende der Heatmap</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gefragt</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Progress per note or degree</source>
        <translation>Fortschritt je Ton oder Stufe</translation>
    </message>
    <message>
        <source>E&amp;xport history as CSV…</source>
        <translation>Verlauf als CSV e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Export history as CSV</source>
        <translation>Verlauf als CSV exportieren</translation>
    </message>
    <message>
        <source>every drill</source>
        <translation>alle Übungen</translation>
    </message>
    <message>
        <source>No practice history is open.</source>
        <translation>Kein Übungsverlauf ist geöffnet.</translation>
    </message>
    <message>
        <source>Reading the practice history…</source>
        <translation>Der Übungsverlauf wird gelesen…</translation>
    </message>
    <message>
        <source>0 % right</source>
        <translation>0 % richtig</translation>
    </message>
    <message>
        <source>5 s or more</source>
        <translation>5 s oder mehr</translation>
    </message>
    <message>
        <source>100 % right</source>
        <translation>100 % richtig</translation>
    </message>
    <message>
        <source>1 s or less</source>
        <translation>1 s oder weniger</translation>
    </message>
    <message>
        <source>Showing %1, %2.</source>
        <translation>Gezeigt: %1, %2.</translation>
    </message>
    <message>
        <source>%1 No answers in this tuning yet.</source>
        <translation>%1 Noch keine Antworten in dieser Stimmung.</translation>
    </message>
    <message>
        <source>%1 Dark: mostly wrong; light: always right.</source>
        <translation>%1 Dunkel: meist falsch; hell: immer richtig.</translation>
    </message>
    <message>
        <source>%1 Light: a second or less; dark: five seconds or more.</source>
        <translation>%1 Hell: eine Sekunde oder weniger; dunkel: fünf Sekunden oder mehr.</translation>
    </message>
    <message>
        <source>Progress per position</source>
        <translation>Fortschritt je Stelle</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Saite</translation>
    </message>
    <message>
        <source>Fret</source>
        <translation>Bund</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Export Practice History</source>
        <translation>Übungsverlauf exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Confusion: what was answered for what was asked (ear drills)</source>
        <translation>Verwechslungen: was auf welche Frage geantwortet wurde (Gehörübungen)</translation>
    </message>
    <message>
        <source>The confusion table is an ear drill&apos;s: choose Intervals by ear, Chord quality by ear or Scale sound under Drills.</source>
        <translation>Die Verwechslungstabelle gehört zu den Gehörübungen: Wählen Sie unter „Übungen“ „Intervalle nach Gehör“, „Akkordtyp nach Gehör“ oder „Klang der Tonleiter“.</translation>
    </message>
    <message>
        <source>%1 No answers to this drill yet.</source>
        <translation>%1 Noch keine Antworten zu dieser Übung.</translation>
    </message>
    <message>
        <source>%1 A row per thing asked, a column per answer given; bold: the right ones.</source>
        <translation>%1 Eine Zeile je Frage, eine Spalte je gegebener Antwort; fett: die richtigen.</translation>
    </message>
</context>
<context>
    <name>fretlab::RoundPanel</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>or type it (C#, Db, b3) and press Enter</source>
        <translation>oder eintippen (C#, Db, b3) und Eingabe drücken</translation>
    </message>
    <message>
        <source>Typed answer</source>
        <translation>Getippte Antwort</translation>
    </message>
    <message>
        <source>Hear it again</source>
        <translation>Noch einmal hören</translation>
    </message>
    <message>
        <source>Hear the note again</source>
        <translation>Den Ton noch einmal hören</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Stop round</source>
        <translation>Runde beenden</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Round summary</source>
        <translation>Zusammenfassung der Runde</translation>
    </message>
    <message>
        <source>Practice history and MIDI</source>
        <translation>Übungsverlauf und MIDI</translation>
    </message>
    <message>
        <source>Start another round when you are ready.</source>
        <translation>Starten Sie die nächste Runde, wenn Sie so weit sind.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Check the voicing built on the neck</source>
        <translation>Den auf dem Griffbrett gebauten Griff prüfen</translation>
    </message>
</context>
<context>
    <name>fretlab::ShapeControls</name>
    <message>
        <source>Position</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Lage:</translation>
    </message>
    <message>
        <source>Triads on strings</source>
        <translation>Dreiklänge auf den Saiten</translation>
    </message>
    <message>
        <source>Triads on:</source>
        <translation>Dreiklänge auf:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>strings %1</source>
        <translation>Saiten %1</translation>
    </message>
</context>
<context>
    <name>fretlab::TunerMode</name>
    <message>
        <source>%1 cents, in tune</source>
        <translation>%1 Cent, gestimmt</translation>
    </message>
    <message>
        <source>%1 cents, flat</source>
        <translation>%1 Cent, zu tief</translation>
    </message>
    <message>
        <source>%1 cents, sharp</source>
        <translation>%1 Cent, zu hoch</translation>
    </message>
    <message>
        <source>Switch on “Listen to my guitar” (above the controls, or Ctrl+Shift+L) and play one string at a time.</source>
        <translation>Schalten Sie „Meiner Gitarre zuhören“ ein (über den Bedienelementen oder mit Strg+Umschalt+L) und spielen Sie eine Saite nach der anderen.</translation>
    </message>
    <message>
        <source>Nearest string</source>
        <translation>Nächstliegende Saite</translation>
    </message>
    <message>
        <source>Deviation in cents</source>
        <translation>Abweichung in Cent</translation>
    </message>
    <message>
        <source>The strings&apos; notes</source>
        <translation>Die Töne der Saiten</translation>
    </message>
    <message>
        <source>Strings, lowest first: %1</source>
        <translation>Saiten, tiefste zuerst: %1</translation>
    </message>
    <message>
        <source>Strings with the capo on fret %1, lowest first: %2</source>
        <translation>Saiten mit Kapodaster im %1. Bund, tiefste zuerst: %2</translation>
    </message>
    <message>
        <source>Play one string</source>
        <translation>Spielen Sie eine Saite an</translation>
    </message>
    <message>
        <source>— cents</source>
        <translation>— Cent</translation>
    </message>
    <message>
        <source>String %1, %2 string: %3</source>
        <translation>Saite %1, %2-Saite: %3</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Stimmgerät</translation>
    </message>
</context>
<context>
    <name>fretlab::TunerNeedle</name>
    <message>
        <source>Tuning needle</source>
        <translation>Zeiger des Stimmgeräts</translation>
    </message>
    <message>
        <source>%1 cents</source>
        <translation>%1 Cent</translation>
    </message>
    <message>
        <source>nothing heard</source>
        <translation>nichts gehört</translation>
    </message>
</context>
<context>
    <name>fretlab::TuningRows</name>
    <message>
        <source>Tuning</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>Other: type the notes below</source>
        <translation>Andere: die Töne unten eingeben</translation>
    </message>
    <message>
        <source>&amp;Tuning:</source>
        <translation>St&amp;immung:</translation>
    </message>
    <message>
        <source>Tuning notes, lowest string first</source>
        <translation>Töne der Stimmung, tiefste Saite zuerst</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Noten:</translation>
    </message>
    <message>
        <source>Not a tuning: %1.</source>
        <translation>Keine Stimmung: %1.</translation>
    </message>
    <message>
        <source>Use %1 instead</source>
        <translation>Stattdessen %1 verwenden</translation>
    </message>
    <message>
        <source>Use %1 instead, lowest string first</source>
        <translation>Stattdessen %1 verwenden, tiefste Saite zuerst</translation>
    </message>
</context>
<context>
    <name>fretlab::UserScaleDialog</name>
    <message>
        <source>My Scales</source>
        <translation>Eigene Tonleitern</translation>
    </message>
    <message>
        <source>My scales</source>
        <translation>Eigene Tonleitern</translation>
    </message>
    <message>
        <source>Name of the scale</source>
        <translation>Name der Tonleiter</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Degrees, or notes with the root first</source>
        <translation>Stufen oder Töne, Grundton zuerst</translation>
    </message>
    <message>
        <source>1 2 b3 4 5 b6 7, or A B C D E F G#</source>
        <translation>1 2 b3 4 5 b6 7 oder A B C D E F G#</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>&amp;Töne:</translation>
    </message>
    <message>
        <source>&amp;Add or Replace</source>
        <translation>&amp;Hinzufügen oder ersetzen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Not added: %1.</source>
        <translation>Nicht hinzugefügt: %1.</translation>
    </message>
</context>
</TS>
