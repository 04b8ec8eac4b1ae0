<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="it_IT">
<context>
    <name>Accessible</name>
    <message>
        <location filename="../ui/access/accessibletexts.cpp" line="+28"/>
        <source>Triangolo rettangolo ABC con l&apos;altezza AH</source>
        <translation>Rechtwinkliges Dreieck ABC mit der Höhe AH</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Il vecchio geometra</source>
        <translation>Der alte Geometer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cronometro</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Risposte esatte</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte errate</source>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte totali</source>
        <translation>Antworten insgesamt</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1, in centimetri</source>
        <translation>%1, in Zentimetern</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Livello %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dati: %1</source>
        <translation>Gegeben: %1</translation>
    </message>
</context>
<context>
    <name>PupilDialog</name>
    <message>
        <location filename="../ui/dialogs/pupildialog.cpp" line="+25"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../ui/window/windowbars.cpp" line="+69"/>
        <source>Solvetra</source>
        <translation>Solvetra</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Esercizi sui teoremi del triangolo rettangolo</source>
        <translation>Übungen zu den Sätzen am rechtwinkligen Dreieck</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Crediti</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solvetra 1.0: primo e secondo teorema di Euclide</source>
        <translation>Solvetra 1.0: Kathetensatz und Höhensatz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Per allievi e insegnanti della scuola</source>
        <translation>Für Schülerinnen, Schüler und Lehrkräfte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Software libero: licenza GNU GPL, versione 3 o successiva</source>
        <translation>Freie Software: Lizenz GNU GPL, Version 3 oder neuer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calcolatrice</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nuovo gioco</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Record di</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Livello %1</source>
        <translation>Stufe %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <location filename="../ui/results/resultswindow.cpp" line="+35"/>
        <source>Grafico: %1</source>
        <translation>Diagramm: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le stesse risposte della tabella, in barre.</source>
        <translation>Dieselben Antworten wie in der Tabelle, als Balken.</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <location filename="../ui/sheet/sheetdesign.cpp" line="+30"/>
        <source>Risposte esatte</source>
        <translation>Richtige</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Das ist dein Punktestand. Auf zum Rekord!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Risposte errate</source>
        <translation>Falsche</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Risposte totali</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>Klick unter mich, um den Wecker zu stellen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>Klick unter mich, um den Wecker einzuschalten</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+5"/>
        <location line="+10"/>
        <location line="+114"/>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>E&amp;xit</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>Bitte bleib noch, vielleicht schaffst du es ja, mich rauszuwerfen </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Nuovo calcolo</source>
        <translation>&amp;Neue Aufgabe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>Gib das Ergebnis ein und drück die Eingabetaste</translation>
    </message>
    <message>
        <location filename="../ui/access/accessiblesheet.cpp" line="+88"/>
        <source>%1 (sveglia alle %2)</source>
        <translation>%1 (Wecker um %2)</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <location filename="../print/figure.cpp" line="+108"/>
        <source>non in scala</source>
        <translation>nicht maßstabsgetreu</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>%1 cm</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <location filename="../print/worksheetpdf.cpp" line="+23"/>
        <source>Soluzioni (compito %1)</source>
        <translation>Lösungen (Auftrag %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scheda di esercizi (compito %1)</source>
        <translation>Arbeitsblatt (Auftrag %1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Scheda di esercizi (seme %1)</source>
        <translation>Arbeitsblatt (Startwert %1)</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Soluzioni (seme %1)</source>
        <translation>Lösungen (Startwert %1)</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <location filename="../app/reportcommand.cpp" line="+57"/>
        <source>--%1 vuole una data come 2026-12-09, non %2.</source>
        <translation>--%1 braucht ein Datum wie 2026-12-09, nicht %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>non ho trovato nessun file di risultati.</source>
        <translation>keine Ergebnisdatei gefunden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nessuna risposta nei file per il periodo e la classe chiesti.</source>
        <translation>die Dateien enthalten keine Antworten für diesen Zeitraum und diese Klasse.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Scrive il resoconto della classe in PDF, in CSV o come foglio di calcolo, senza finestra.</source>
        <translation>Schreibt den Klassenbericht als PDF, CSV oder Tabelle, ohne Fenster.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Un file di risultati, una cartella di file o un server postgresql://utente@host/banca-dati; si può ripetere.</source>
        <translation>Eine Ergebnisdatei, ein Ordner mit solchen Dateien oder ein Server postgresql://benutzer@host/datenbank; darf mehrfach stehen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>percorso</source>
        <translation>pfad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo le risposte da questo giorno (AAAA-MM-GG).</source>
        <translation>Nur die Antworten ab diesem Tag (JJJJ-MM-TT).</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>data</source>
        <translation>datum</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Solo le risposte fino a questo giorno (AAAA-MM-GG).</source>
        <translation>Nur die Antworten bis zu diesem Tag (JJJJ-MM-TT).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solo le risposte di questa classe.</source>
        <translation>Nur die Antworten dieser Klasse.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>classe</source>
        <translation>klasse</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>--report vuole un file .pdf, .csv o .xlsx, non %1.</source>
        <translation>--report braucht eine .pdf-, .csv- oder .xlsx-Datei, nicht %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--report vuole almeno un --records con i file di risultati.</source>
        <translation>--report braucht mindestens ein --records mit den Ergebnisdateien.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--from viene dopo --to.</source>
        <translation>--from liegt nach --to.</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>righe scartate: %1</source>
        <translation>verworfene Zeilen: %1</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>un file si è interrotto a metà lettura: non scrivo il CSV.</source>
        <translation>eine Datei brach mitten im Lesen ab: die CSV-Datei wird nicht geschrieben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+18"/>
        <source>nessuna risposta al compito %1 nei file.</source>
        <translation>keine Antwort zum Auftrag %1 in den Dateien.</translation>
    </message>
    <message>
        <location filename="../app/schoolsettings.cpp" line="+56"/>
        <source>solvetra: il file della password %1 non è un file normale di root con i permessi 0640: non lo uso.</source>
        <translation>solvetra: die Passwortdatei %1 ist keine normale Datei von root mit den Rechten 0640: ich nutze sie nicht.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>solvetra: il file della password %1 è leggibile da tutti: non lo uso. Deve avere i permessi 0640 (root e il gruppo degli alunni).</source>
        <translation>solvetra: die Passwortdatei %1 ist für alle lesbar: ich nutze sie nicht. Sie muss die Rechte 0640 haben (root und die Gruppe der Schüler).</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>solvetra: le impostazioni %1 sono leggibili da altri utenti: non uso la password che contengono. Devono avere i permessi 0600.</source>
        <translation>solvetra: die Einstellungen %1 sind für andere Benutzer lesbar: ich nutze das Passwort darin nicht. Sie müssen die Rechte 0600 haben.</translation>
    </message>
    <message>
        <location filename="../app/assignmentcommand.cpp" line="+26"/>
        <source>Scrive il codice di un compito fatto dei problemi che chiedono --level, --theorem, --count e --seed, senza finestra.</source>
        <translation>Gibt den Code eines Auftrags aus, der aus den Aufgaben besteht, die --level, --theorem, --count und --seed verlangen, ohne Fenster.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il codice di un compito: la finestra pone i suoi problemi; con --worksheet ne scrive la scheda.</source>
        <translation>Der Code eines Auftrags: das Fenster stellt seine Aufgaben; mit --worksheet wird sein Arbeitsblatt geschrieben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>--new-assignment non va con --%1.</source>
        <translation>--new-assignment geht nicht mit --%1.</translation>
    </message>
    <message>
        <location filename="../app/commandline.cpp" line="+297"/>
        <source>--assignment non va insieme a --teacher.</source>
        <translation>--assignment geht nicht zusammen mit --teacher.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <location line="-271"/>
        <source>La lingua: it (italiano), de (tedesco), es (spagnolo), en (inglese). Per la finestra resta scelta anche dopo.</source>
        <translation>Die Sprache: it (Italienisch), de (Deutsch), es (Spanisch), en (Englisch). Für das Fenster bleibt sie auch später gewählt.</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Uso: %1 [opzioni]
Quiz sui teoremi di Euclide del triangolo rettangolo.
Senza opzioni apre la finestra del quiz.

Opzioni:
</source>
        <translation>Aufruf: %1 [Optionen]
Quiz zum Kathetensatz und Höhensatz am rechtwinkligen Dreieck.
Ohne Optionen öffnet es das Fenster des Quiz.

Optionen:
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>
Valgono anche le opzioni proprie di Qt per la finestra, per esempio -platform &lt;nome&gt;, -display &lt;schermo&gt; e -style &lt;nome&gt;; con --worksheet non contano.
QT_SCALE_FACTOR vale da %1 a %2; un altro valore è ignorato.
</source>
        <translation>
Für das Fenster gelten auch Qts eigene Optionen, zum Beispiel -platform &lt;name&gt;, -display &lt;bildschirm&gt; und -style &lt;name&gt;; mit --worksheet zählen sie nicht.
QT_SCALE_FACTOR gilt von %1 bis %2; ein anderer Wert wird übergangen.
</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1: %2
Per l&apos;elenco delle opzioni: %1 --help
</source>
        <translation>%1: %2
Die Liste der Optionen: %1 --help
</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>opzione sconosciuta: %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>manca il valore dopo %1.</source>
        <translation>nach %1 fehlt der Wert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>riga di comando non valida: %1</source>
        <translation>ungültige Befehlszeile: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Zeigt diese Hilfe und endet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mostra la versione ed esce.</source>
        <translation>Zeigt die Version und endet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Apre la finestra dell&apos;insegnante: compiti e risultati.</source>
        <translation>Öffnet das Fenster für Lehrkräfte: Aufträge und Ergebnisse.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>--language vuole it, de, es o en, non %1.</source>
        <translation>--language braucht it, de, es oder en, nicht %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>argomento inatteso: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>--%1 vale solo con --report.</source>
        <translation>--%1 gilt nur mit --report.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 vale solo con --worksheet, --moodle o --gift.</source>
        <translation>--%1 gilt nur mit --worksheet, --moodle oder --gift.</translation>
    </message>
    <message>
        <location line="-144"/>
        <source>--%1 vale solo con --worksheet.</source>
        <translation>--%1 gilt nur mit --worksheet.</translation>
    </message>
</context>
<context>
    <name>displaycheck</name>
    <message>
        <location filename="../app/displaycheck.cpp" line="+235"/>
        <source>solvetra: nessun compositore Wayland raggiungibile (WAYLAND_DISPLAY assente o non raggiungibile); avvia il programma da una sessione Wayland.
</source>
        <translation>solvetra: kein Wayland-Compositor erreichbar (WAYLAND_DISPLAY fehlt oder ist nicht erreichbar); starte das Programm aus einer Wayland-Sitzung.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>solvetra: la piattaforma grafica richiesta (-platform o QT_QPA_PLATFORM) non è installata; toglila per usare quella del sistema.
</source>
        <translation>solvetra: die verlangte Grafikplattform (-platform oder QT_QPA_PLATFORM) ist nicht installiert; lass sie weg, um die des Systems zu nutzen.
</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>solvetra: QT_SCALE_FACTOR=%1 ignorato: vale da %2 a %3; uso 1.
</source>
        <translation>solvetra: QT_SCALE_FACTOR=%1 übergangen: er gilt von %2 bis %3; ich nehme 1.
</translation>
    </message>
    <message>
        <location filename="../app/displaycheck.h" line="+45"/>
        <source>solvetra: nessuno schermo grafico utilizzabile (DISPLAY assente, vuoto o non raggiungibile); avvia il programma da una sessione grafica.
</source>
        <translation>solvetra: kein nutzbarer grafischer Bildschirm (DISPLAY fehlt, ist leer oder nicht erreichbar); starte das Programm aus einer grafischen Sitzung.
</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <location filename="../files/safewrite.cpp" line="+44"/>
        <source>esiste già e non è un file normale, lo lascio com&apos;è</source>
        <translation>gibt es schon und ist keine normale Datei, ich lasse sie, wie sie ist</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>impossibile scrivere il file %1: %2</source>
        <translation>die Datei %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <location filename="../files/settings.cpp" line="+40"/>
        <source>solvetra: il file delle impostazioni %1 non è un file normale: lo ignoro, lo lascio com&apos;è e parto con le impostazioni iniziali.
</source>
        <translation>solvetra: die Einstellungsdatei %1 ist keine normale Datei: ich übergehe sie, lasse sie, wie sie ist, und starte mit den anfänglichen Einstellungen.
</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+50"/>
        <source>solvetra: impossibile scrivere sullo standard output: %1
</source>
        <translation>solvetra: die Standardausgabe lässt sich nicht schreiben: %1
</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>solvetra: un argomento non è testo valido nella codifica del sistema: scegli un nome di file senza quei caratteri.
</source>
        <translation>solvetra: ein Argument ist kein gültiger Text in der Kodierung des Systems: wähle einen Dateinamen ohne diese Zeichen.
</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <location filename="../print/classreport.cpp" line="+298"/>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <location line="-238"/>
        <source>dal %1 al %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(senza nome)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tipo di problema</source>
        <translation>Aufgabenart</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+23"/>
        <location line="+96"/>
        <source>Risposte</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <location line="-119"/>
        <location line="+23"/>
        <location line="+91"/>
        <source>Esatte</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <location line="-113"/>
        <location line="+118"/>
        <source>Sbagliate</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <location line="-106"/>
        <location line="+246"/>
        <source>Resoconto della classe</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <location line="-244"/>
        <location line="+37"/>
        <source>Classe: %1</source>
        <translation>Klasse: %1</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>tutte</source>
        <translation>alle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Periodo: %1</source>
        <translation>Zeitraum: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alunni: %1</source>
        <translation>Schüler: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposte: %1</source>
        <translation>Antworten: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esatte: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alunni</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+91"/>
        <source>Alunno</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Classe</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+90"/>
        <source>Tempo</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Livelli</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Per tipo di problema</source>
        <translation>Nach Aufgabenart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I cinque tipi più spesso sbagliati</source>
        <translation>Die fünf am häufigsten falschen Arten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File saltati</source>
        <translation>Übersprungene Dateien</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Risposte lasciate fuori</source>
        <translation>Weggelassene Antworten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Righe scartate: %1</source>
        <translation>Verworfene Zeilen: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Risposte: %1, esatte %2, sbagliate %3 (%4)</source>
        <translation>Antworten: %1, richtig %2, falsch %3 (%4)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tempo: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livelli giocati: %1</source>
        <translation>Gespielte Stufen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record di risposte esatte di fila: %1</source>
        <translation>Rekord richtiger Antworten in Folge: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I tipi più spesso sbagliati</source>
        <translation>Die am häufigsten falschen Arten</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>non iniziato</source>
        <translation>nicht begonnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fatto</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iniziato (%1 di %2)</source>
        <translation>begonnen (%1 von %2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 su %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Compito %1</source>
        <translation>Auftrag %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Livello %1, %2 problemi</source>
        <translation>Stufe %1, %2 Aufgaben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fatto: %1 · Iniziato: %2 · Non iniziato: %3</source>
        <translation>Erledigt: %1 · Begonnen: %2 · Nicht begonnen: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stato</source>
        <translation>Stand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finito il</source>
        <translation>Erledigt am</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I problemi più spesso sbagliati</source>
        <translation>Die am häufigsten falsch gelösten Aufgaben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Problema</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Pagina %1 di %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <location filename="../print/sheetpainter.cpp" line="+38"/>
        <source>Trova la lunghezza richiesta con il primo teorema di Euclide.</source>
        <translation>Berechne die gesuchte Länge mit dem Kathetensatz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trova la lunghezza richiesta con il secondo teorema di Euclide.</source>
        <translation>Berechne die gesuchte Länge mit dem Höhensatz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trova la lunghezza richiesta con il primo o il secondo teorema di Euclide.</source>
        <translation>Berechne die gesuchte Länge mit dem Kathetensatz oder dem Höhensatz.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Trova la lunghezza richiesta in due passi, uno con il primo teorema di Euclide.</source>
        <translation>Berechne die gesuchte Länge in zwei Schritten, einer davon mit dem Kathetensatz.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trova la lunghezza richiesta in due passi, uno con il secondo teorema di Euclide.</source>
        <translation>Berechne die gesuchte Länge in zwei Schritten, einer davon mit dem Höhensatz.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Trova la lunghezza richiesta in due passi.</source>
        <translation>Berechne die gesuchte Länge in zwei Schritten.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Livello %1: %2 · </source>
        <translation>Stufe %1: %2 · </translation>
    </message>
</context>
<context>
    <name>print::SheetPainter</name>
    <message>
        <location line="+80"/>
        <source>Scheda di esercizi: i teoremi di Euclide</source>
        <translation>Arbeitsblatt: Kathetensatz und Höhensatz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Punteggio ____ / %1</source>
        <translation>Punkte ____ / %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nome ______________________   Classe ________   Data ____________</source>
        <translation>Name ______________________   Klasse ________   Datum ____________</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Soluzioni</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Risposte</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1. %2 = %3 cm</source>
        <translation>%1. %2 = %3 cm</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Svolgimento</source>
        <translation>Lösungsweg</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Compito %1</source>
        <translation>Auftrag %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seme %1</source>
        <translation>Startwert %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · %2pagina %3 di %4</source>
        <translation>%1 · %2Seite %3 von %4</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 · %2soluzioni · pagina %3 di %4</source>
        <translation>%1 · %2Lösungen · Seite %3 von %4</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 = ________ cm</source>
        <translation>%1 = ________ cm</translation>
    </message>
</context>
<context>
    <name>questionfile</name>
    <message>
        <location filename="../app/questionfilecommand.cpp" line="+25"/>
        <source>Scrive i problemi della scheda come quiz per Moodle (formato Moodle XML, con le figure), senza finestra; aggiunge .xml a un nome che non l&apos;ha. Vale con --count, --theorem, --seed e --level, o con --assignment.</source>
        <translation>Schreibt die Aufgaben des Arbeitsblatts als Moodle-Test (Format Moodle XML, mit den Abbildungen), ohne Fenster; hängt .xml an einen Namen ohne an. Gilt mit --count, --theorem, --seed und --level, oder mit --assignment.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scrive gli stessi problemi nel formato di testo GIFT, senza figure; aggiunge .gift a un nome che non l&apos;ha.</source>
        <translation>Schreibt dieselben Aufgaben im Textformat GIFT, ohne Abbildungen; hängt .gift an einen Namen ohne an.</translation>
    </message>
    <message>
        <location filename="../app/commandline.cpp" line="+81"/>
        <source>--worksheet non va insieme a --moodle o --gift.</source>
        <translation>--worksheet geht nicht zusammen mit --moodle oder --gift.</translation>
    </message>
</context>
<context>
    <name>questionset</name>
    <message>
        <location filename="../print/questionset.cpp" line="+68"/>
        <source>Figura: il triangolo ABC, rettangolo in A, con l&apos;altezza AH sull&apos;ipotenusa BC; accanto ai segmenti %1 e %2, e %3 = ?.</source>
        <translation>Abbildung: das Dreieck ABC, rechtwinklig in A, mit der Höhe AH auf die Hypotenuse BC; neben den Strecken %1 und %2, und %3 = ?.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Problema %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dati: %1.</source>
        <translation>Gegeben: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calcola %1 (in cm).</source>
        <translation>Berechne %1 (in cm).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La risposta esatta è %1.</source>
        <translation>Die richtige Antwort ist %1.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Compito %1: teoremi di Euclide, livello %2</source>
        <translation>Auftrag %1: Kathetensatz und Höhensatz, Stufe %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Teoremi di Euclide, seme %1</source>
        <translation>Kathetensatz und Höhensatz, Startwert %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Teoremi di Euclide, livello %1, seme %2</source>
        <translation>Kathetensatz und Höhensatz, Stufe %1, Startwert %2</translation>
    </message>
</context>
<context>
    <name>quiz</name>
    <message>
        <location filename="../quiz/answer.cpp" line="+25"/>
        <source>Esatto. Sei in gamba!!!</source>
        <translation>Richtig. Super gemacht!!!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sbagliato!! </source>
        <translation>Falsch!! </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scrivi un numero, per esempio 12,5</source>
        <translation>Schreib eine Zahl, zum Beispiel 12,5</translation>
    </message>
    <message>
        <location filename="../quiz/kind.cpp" line="+57"/>
        <source>Primo teorema di Euclide</source>
        <translation>Kathetensatz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Secondo teorema di Euclide</source>
        <translation>Höhensatz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Teorema di Pitagora</source>
        <translation>Satz des Pythagoras</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Somma delle proiezioni</source>
        <translation>Summe der Hypotenusenabschnitte</translation>
    </message>
    <message>
        <location filename="../quiz/length.cpp" line="+19"/>
        <source>Proiezione BH</source>
        <translation>Abschnitt BH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proiezione HC</source>
        <translation>Abschnitt HC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cateto AB</source>
        <translation>Kathete AB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cateto AC</source>
        <translation>Kathete AC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ipotenusa BC</source>
        <translation>Hypotenuse BC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altezza AH</source>
        <translation>Höhe AH</translation>
    </message>
    <message>
        <location filename="../quiz/level.cpp" line="+12"/>
        <source>Un passo</source>
        <translation>Ein Schritt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tutti i lati</source>
        <translation>Alle Seiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Due passi</source>
        <translation>Zwei Schritte</translation>
    </message>
    <message>
        <location filename="../quiz/runtimeerror.cpp" line="+16"/>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Errore di calcolo in virgola mobile</source>
        <translation>Gleitkomma-Rechenfehler</translation>
    </message>
    <message>
        <location filename="../quiz/assignment.cpp" line="+161"/>
        <source>Codice del compito non valido</source>
        <translation>Ungültiger Code des Auftrags</translation>
    </message>
    <message>
        <location filename="../quiz/assignmentrun.cpp" line="+44"/>
        <source>Compito %1: %2 di %3</source>
        <translation>Auftrag %1: %2 von %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Compito %1 finito: %2 esatte su %3, in %4 min %5 s.</source>
        <translation>Auftrag %1 erledigt: %2 von %3 richtig, in %4 min %5 s.</translation>
    </message>
    <message>
        <location filename="../quiz/kindid.cpp" line="+24"/>
        <source>%1 da %2 e %3</source>
        <translation>%1 aus %2 und %3</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <location filename="../record/answerscsv.cpp" line="+45"/>
        <source>sì</source>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location filename="../record/answercolumns.cpp" line="+85"/>
        <source>Data e ora</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../record/xlsxreport.cpp" line="+182"/>
        <location line="+31"/>
        <source>Alunno</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../record/xlsxreport.cpp" line="-31"/>
        <location line="+31"/>
        <source>Classe</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livello</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tipo di problema</source>
        <translation>Aufgabenart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Primo dato</source>
        <translation>Erste Angabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondo dato</source>
        <translation>Zweite Angabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lunghezza chiesta</source>
        <translation>Gesuchte Länge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valore atteso</source>
        <translation>Erwarteter Wert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposta scritta</source>
        <translation>Geschriebene Antwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esatta</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondi</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Soluzione aperta</source>
        <translation>Lösung geöffnet</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../record/xlsxreport.cpp" line="+0"/>
        <source>Compito</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <location filename="../record/recordcopy.cpp" line="+122"/>
        <source>il registro %1 non si può leggere</source>
        <translation>das Ergebnisprotokoll %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 non è un registro di risposte valido</source>
        <translation>%1 ist kein gültiges Antwortprotokoll</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>è di un altro utente, lo lascio com&apos;è</source>
        <translation>gehört einem anderen Benutzer, ich lasse sie, wie sie ist</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>non si può scrivere in %1</source>
        <translation>in %1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <location filename="../record/pupilrecord.cpp" line="+47"/>
        <source>la copia non si può modificare</source>
        <translation>die Kopie lässt sich nicht ändern</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../record/recordcopy.cpp" line="+63"/>
        <source>la copia in %1 non è riuscita: %2</source>
        <translation>die Kopie nach %1 ist misslungen: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>il registro %1 non si può modificare</source>
        <translation>das Protokoll %1 lässt sich nicht ändern</translation>
    </message>
    <message>
        <location line="-14"/>
        <location filename="../record/recordcopy.cpp" line="-46"/>
        <location line="+3"/>
        <location line="+4"/>
        <location line="+42"/>
        <source>non si può scrivere %1</source>
        <translation>%1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <location filename="../record/recordreader.cpp" line="+33"/>
        <source>«%1» è danneggiato e non si può leggere.</source>
        <translation>„%1“ ist beschädigt und lässt sich nicht lesen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» non è un file di risultati di Solvetra.</source>
        <translation>„%1“ ist keine Ergebnisdatei von Solvetra.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» è di una versione più recente di Solvetra e non si può leggere.</source>
        <translation>„%1“ stammt von einer neueren Version von Solvetra und lässt sich nicht lesen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Non riesco ad aprire «%1».</source>
        <translation>„%1“ lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>%1 e %2 hanno %3 risposte con lo stesso codice ma contenuti diversi: le lascio fuori.</source>
        <translation>%1 und %2 haben %3 Antworten mit demselben Code, aber verschiedenem Inhalt: ich lasse sie weg.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+213"/>
        <source>«%1» si legge troppo lentamente: lo salto.</source>
        <translation>„%1“ lässt sich zu langsam lesen: ich überspringe sie.</translation>
    </message>
    <message>
        <location line="-109"/>
        <location line="+163"/>
        <source>«%1» non è un indirizzo valido di un server PostgreSQL.</source>
        <translation>„%1“ ist keine gültige Adresse eines PostgreSQL-Servers.</translation>
    </message>
    <message>
        <location filename="../record/recordwriter.cpp" line="+25"/>
        <source>Non riesco a salvare i risultati nel file «%1». Il gioco continua: le risposte restano in memoria e saranno salvate appena il file sarà di nuovo scrivibile.</source>
        <translation>Die Ergebnisse lassen sich nicht in der Datei „%1“ speichern. Das Spiel geht weiter: Die Antworten bleiben im Speicher und werden gespeichert, sobald die Datei wieder beschreibbar ist.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Il file dei risultati «%1» è di una versione più recente di Solvetra: non lo modifico. Il gioco continua, ma le risposte restano solo in memoria.</source>
        <translation>Die Ergebnisdatei „%1“ stammt von einer neueren Version von Solvetra: Sie bleibt unverändert. Das Spiel geht weiter, aber die Antworten bleiben nur im Speicher.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Il file dei risultati era danneggiato: l&apos;ho messo da parte come «%1» e ne ho cominciato uno nuovo.</source>
        <translation>Die Ergebnisdatei war beschädigt: Sie wurde als „%1“ beiseitegelegt und eine neue begonnen.</translation>
    </message>
    <message>
        <location filename="../record/recordsharing.cpp" line="+26"/>
        <source>Il gioco continua: le risposte restano su questo computer e saranno inviate appena possibile.</source>
        <translation>Das Spiel geht weiter: Die Antworten bleiben auf diesem Computer und werden gesendet, sobald es geht.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Non riesco a copiare i risultati nella cartella della classe (%1). Il gioco continua: i risultati restano su questo computer e saranno copiati appena la cartella sarà di nuovo raggiungibile.</source>
        <translation>Die Ergebnisse lassen sich nicht in den Klassenordner (%1) kopieren. Das Spiel geht weiter: Die Ergebnisse bleiben auf diesem Computer und werden kopiert, sobald der Ordner wieder erreichbar ist.</translation>
    </message>
    <message>
        <location filename="../record/serverlink.cpp" line="+140"/>
        <source>Il server della scuola (%1) non accetta l&apos;utente o la password.</source>
        <translation>Der Schulserver (%1) nimmt den Benutzer oder das Passwort nicht an.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sul server della scuola (%1) la banca dati non esiste.</source>
        <translation>Auf dem Schulserver (%1) gibt es die Datenbank nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il server della scuola (%1) vuole un altro tipo di connessione cifrata (TLS).</source>
        <translation>Der Schulserver (%1) verlangt eine andere Art verschlüsselter Verbindung (TLS).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il server della scuola (%1) non dà il permesso di farlo a questo utente.</source>
        <translation>Der Schulserver (%1) erlaubt das diesem Benutzer nicht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sul server della scuola (%1) la banca dati non è preparata per Solvetra.</source>
        <translation>Auf dem Schulserver (%1) ist die Datenbank nicht für Solvetra eingerichtet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il server della scuola (%1) per ora non accetta altre risposte da questo utente.</source>
        <translation>Der Schulserver (%1) nimmt von diesem Benutzer vorerst keine weiteren Antworten an.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Il server della scuola (%1) non risponde.</source>
        <translation>Der Schulserver (%1) antwortet nicht.</translation>
    </message>
    <message>
        <location filename="../record/recordfolder.cpp" line="+23"/>
        <source>«%1» riporta a una cartella già letta: non la seguo.</source>
        <translation>„%1“ führt zu einem schon gelesenen Ordner zurück: ich folge ihm nicht.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>«%1» non si può leggere.</source>
        <translation>„%1“ lässt sich nicht lesen.</translation>
    </message>
    <message>
        <location filename="../record/xlsxreport.cpp" line="-102"/>
        <source>fatto</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iniziato</source>
        <translation>begonnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>non iniziato</source>
        <translation>nicht begonnen</translation>
    </message>
    <message>
        <location line="+65"/>
        <location line="+18"/>
        <source>Risposte</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+18"/>
        <location line="+14"/>
        <source>Esatte</source>
        <translation>Richtige</translation>
    </message>
    <message>
        <location line="-32"/>
        <location line="+18"/>
        <source>Sbagliate</source>
        <translation>Falsche</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>% esatte</source>
        <translation>% richtig</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+31"/>
        <source>Tempo (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Livelli</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Compiti fatti</source>
        <translation>Erledigte Aufträge</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tipo</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Stato</source>
        <translation>Stand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Risolti</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Problemi</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finito il</source>
        <translation>Beendet am</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>impossibile scrivere «%1»: un file si è interrotto a metà lettura.</source>
        <translation>„%1“ kann nicht geschrieben werden: eine Datei brach mitten im Lesen ab.</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>troppe risposte per un foglio di calcolo (%1, al più %2): restringi le date o la classe.</source>
        <translation>zu viele Antworten für eine Tabelle (%1, höchstens %2): Daten oder Klasse einschränken.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+18"/>
        <source>impossibile scrivere «%1»: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+10"/>
        <source>impossibile scrivere «%1»</source>
        <translation>„%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../record/recordservice.cpp" line="+333"/>
        <location line="+9"/>
        <source>il registro è occupato da un altro programma</source>
        <translation>das Ergebnisprotokoll wird von einem anderen Programm belegt</translation>
    </message>
    <message>
        <location filename="../record/serverpassword.cpp" line="+46"/>
        <source>non è un file normale di questo utente, lo lascio com&apos;è</source>
        <translation>ist keine normale Datei dieses Benutzers, ich lasse sie, wie sie ist</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <location filename="../app/passwordprompt.cpp" line="+58"/>
        <source>Password di %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
</context>
<context>
    <name>ui::AlarmDialog</name>
    <message>
        <location filename="../ui/dialogs/alarmdialog.cpp" line="+35"/>
        <source>Imposta</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Togli la sveglia</source>
        <translation>Wecker ausschalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>La sveglia suona alle %1.</source>
        <translation>Der Wecker klingelt um %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nessuna sveglia impostata.</source>
        <translation>Kein Wecker gestellt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Imposta la sveglia</source>
        <translation>Wecker stellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ora della sveglia</source>
        <translation>Weckzeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A quest&apos;ora il programma suona e mostra un avviso.</source>
        <translation>Zu dieser Uhrzeit klingelt das Programm und zeigt einen Hinweis.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Suona alle:</source>
        <translation>&amp;Klingeln um:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Per oggi non resta nessun minuto: la sveglia si può impostare dopo la mezzanotte.</source>
        <translation>Für heute bleibt keine Minute mehr: Nach Mitternacht lässt sich der Wecker wieder stellen.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Le %1 sono già passate: scegli un&apos;ora più tarda, entro oggi.</source>
        <translation>%1 Uhr ist schon vorbei: Wähle eine spätere Uhrzeit, noch heute.</translation>
    </message>
</context>
<context>
    <name>ui::AnswerLog</name>
    <message>
        <location filename="../ui/window/answerlog.cpp" line="+234"/>
        <source>I miei risultati</source>
        <translation>Meine Ergebnisse</translation>
    </message>
</context>
<context>
    <name>ui::AssignmentDialog</name>
    <message>
        <location filename="../ui/dialogs/assignmentdialog.cpp" line="+15"/>
        <source>Compito</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il &amp;codice del compito che ti ha dato l&apos;insegnante:</source>
        <translation>&amp;Code des Auftrags, den du von der Lehrkraft bekommen hast:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Comincia</source>
        <translation>Anfangen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ui::ExercisesMenu</name>
    <message>
        <location filename="../ui/window/exercisesmenu.cpp" line="+37"/>
        <source>Esercizi</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+108"/>
        <source>Come si risolve</source>
        <translation>So wird&apos;s gelöst</translation>
    </message>
    <message>
        <location line="-106"/>
        <source>Stampa una scheda...</source>
        <translation>Arbeitsblatt drucken...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compito...</source>
        <translation>Auftrag...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imposta la sveglia...</source>
        <translation>Wecker stellen...</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Livello</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ripasso</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chi gioca...</source>
        <translation>Wer spielt...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I miei risultati</source>
        <translation>Meine Ergebnisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esporta i miei risultati...</source>
        <translation>Meine Ergebnisse exportieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancella i miei risultati...</source>
        <translation>Meine Ergebnisse löschen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancella tutti i risultati di questo account...</source>
        <translation>Alle Ergebnisse dieses Benutzerkontos löschen...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Lingua</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Compito</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il compito %1 non è finito. Vuoi lasciarlo? Potrai continuarlo più tardi da «Compito...».</source>
        <translation>Der Auftrag %1 ist nicht erledigt. Willst du ihn verlassen? Du kannst ihn später über „Auftrag...“ fortsetzen.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Lingua: %1, dal prossimo «Nuovo gioco».</source>
        <translation>Sprache: %1, ab dem nächsten „Neues Spiel“.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>risultati-%1.sqlite</source>
        <translation>ergebnisse-%1.sqlite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>risultati-%1-%2.sqlite</source>
        <translation>ergebnisse-%1-%2.sqlite</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <location line="+5"/>
        <source>Esporta i miei risultati</source>
        <translation>Meine Ergebnisse exportieren</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Risultati di Solvetra (*.sqlite)</source>
        <translation>Solvetra-Ergebnisse (*.sqlite)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>I risultati sono stati copiati in «%1».</source>
        <translation>Die Ergebnisse wurden nach „%1“ kopiert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Consegna questo file all&apos;insegnante: lo apre con Solvetra – Insegnante</source>
        <translation>Gib diese Datei deiner Lehrkraft: Sie öffnet sie mit Solvetra – Lehrkraft</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Non ho potuto copiare i risultati: %1</source>
        <translation>Die Ergebnisse ließen sich nicht kopieren: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>La copia già nella cartella della classe resta per l&apos;insegnante.</source>
        <translation>Die Kopie im Klassenordner bleibt für die Lehrkraft erhalten.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+6"/>
        <location line="+3"/>
        <source>Cancella i miei risultati</source>
        <translation>Meine Ergebnisse löschen</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Vuoi davvero cancellare i risultati dati senza nome? Quelli di chi ha dato il suo nome restano. Non si potranno più recuperare.</source>
        <translation>Willst du wirklich die ohne Namen gegebenen Ergebnisse löschen? Die Ergebnisse derer, die ihren Namen angegeben haben, bleiben. Sie lassen sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vuoi davvero cancellare i risultati di %1? Quelli degli altri restano. Non si potranno più recuperare.</source>
        <translation>Willst du wirklich die Ergebnisse von %1 löschen? Die der anderen bleiben. Sie lassen sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Non ho potuto cancellare i risultati: %1</source>
        <translation>Die Ergebnisse ließen sich nicht löschen: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+6"/>
        <location line="+3"/>
        <source>Cancella tutti i risultati di questo account</source>
        <translation>Alle Ergebnisse dieses Benutzerkontos löschen</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Vuoi davvero cancellare tutti i risultati salvati con questo utente del computer (anche quelli di chi altro vi ha giocato)? Non si potranno più recuperare.</source>
        <translation>Willst du wirklich alle Ergebnisse löschen, die unter diesem Benutzer des Computers gespeichert sind (auch die von anderen, die hier gespielt haben)? Sie lassen sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+21"/>
        <source>I risultati sono stati cancellati.</source>
        <translation>Die Ergebnisse wurden gelöscht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Non ho potuto cancellare il file dei risultati «%1».</source>
        <translation>Die Ergebnisdatei „%1“ ließ sich nicht löschen.</translation>
    </message>
</context>
<context>
    <name>ui::PupilDialog</name>
    <message>
        <location filename="../ui/dialogs/pupildialog.cpp" line="+9"/>
        <source>Chiedi chi gioca a ogni avvio</source>
        <translation>Bei jedem Start fragen, wer spielt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chi gioca?</source>
        <translation>Wer spielt?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hanno già giocato:</source>
        <translation>&amp;Haben schon gespielt:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hanno già giocato</source>
        <translation>Haben schon gespielt</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Nome:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Classe:</source>
        <translation>&amp;Klasse:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Gioca</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Senza nome</source>
        <translation>Ohne Namen</translation>
    </message>
</context>
<context>
    <name>ui::ResultsWindow</name>
    <message>
        <location filename="../ui/results/resultswindow.cpp" line="+15"/>
        <source>I miei risultati</source>
        <translation>Meine Ergebnisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I risultati di %1</source>
        <translation>Die Ergebnisse von %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Oggi e in tutto</source>
        <translation>Heute und insgesamt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposte di oggi e in tutto</source>
        <translation>Antworten von heute und insgesamt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quando</source>
        <translation>Wann</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Non ci sono ancora risposte: gioca e torna qui!</source>
        <translation>Noch keine Antworten: Spiel und komm wieder her!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Per livello</source>
        <translation>Nach Stufe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risposte per livello</source>
        <translation>Antworten nach Stufe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Livello</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Per tipo di problema</source>
        <translation>Nach Aufgabenart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte per tipo di problema</source>
        <translation>Antworten nach Aufgabenart</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tipo di problema</source>
        <translation>Aufgabenart</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Giorno per giorno</source>
        <translation>Tag für Tag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risposte giorno per giorno, in verde le esatte</source>
        <translation>Antworten Tag für Tag, die richtigen grün</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La serie più lunga di risposte esatte di fila: %1.</source>
        <translation>Die längste Reihe richtiger Antworten nacheinander: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (1 volta)</source>
        <translation>%1 (1-mal)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 volte)</source>
        <translation>%1 (%2-mal)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nessun tipo di problema sbagliato: bravo!</source>
        <translation>Keine Aufgabenart falsch: super!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I tipi di problema sbagliati più spesso: %1.</source>
        <translation>Die am häufigsten falschen Aufgabenarten: %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Chiudi</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ui::SheetZoom</name>
    <message>
        <location filename="../ui/window/sheetzoom.cpp" line="+38"/>
        <source>Ingrandisci</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Riduci</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dimensioni originali</source>
        <translation>Originalgröße</translation>
    </message>
</context>
<context>
    <name>ui::Tavola</name>
    <message>
        <location filename="../ui/window/tavola.cpp" line="+107"/>
        <source>Gioca  con i Solvetra</source>
        <translation>Spiel mit Solvetra</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Solvetra</source>
        <translation>Solvetra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Giocare con I Solvetra</source>
        <translation>Mit Solvetra spielen</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Sveglia</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sveglia alle </source>
        <translation>Wecker um </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Calcolatrice</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nessuna calcolatrice trovata su questo computer.</source>
        <translation>Auf diesem Computer wurde kein Rechner gefunden.</translation>
    </message>
    <message>
        <location line="+43"/>
        <location line="+15"/>
        <location line="+37"/>
        <source>Compito</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Nel compito %1 eri arrivato al problema %2 di %3. Vuoi continuare da lì?</source>
        <translation>Im Auftrag %1 warst du bei Aufgabe %2 von %3. Willst du dort weitermachen?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Il compito %1 non è finito: eri arrivato al problema %2 di %3. Vuoi continuarlo?</source>
        <translation>Der Auftrag %1 ist nicht erledigt: du warst bei Aufgabe %2 von %3. Willst du weitermachen?</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Uscire dal programma</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vuoi veramente lasciarmi  ?</source>
        <translation>Willst du mich wirklich verlassen?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Data </source>
        <translation>Datum </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ciao a presto. Ore </source>
        <translation>Tschüss, bis bald! Es ist </translation>
    </message>
</context>
<context>
    <name>ui::WorksheetDialog</name>
    <message>
        <location filename="../ui/dialogs/worksheetdialog.cpp" line="+50"/>
        <source>Stampa una scheda</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entrambi i teoremi</source>
        <translation>Beide Sätze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il primo teorema di Euclide</source>
        <translation>Nur der Kathetensatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il secondo teorema di Euclide</source>
        <translation>Nur der Höhensatz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Livello %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In fondo alla scheda</source>
        <translation>Am Ende des Blatts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In un file a parte</source>
        <translation>In einer eigenen Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nessuna</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Problemi:</source>
        <translation>&amp;Aufgaben:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>da %1 a %2</source>
        <translation>von %1 bis %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Livello:</source>
        <translation>Stu&amp;fe:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Teorema:</source>
        <translation>S&amp;atz:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;eme:</source>
        <translation>S&amp;tartwert:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lo stesso seme dà la stessa scheda.</source>
        <translation>Derselbe Startwert ergibt dasselbe Blatt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;oluzioni:</source>
        <translation>&amp;Lösungen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Codice del compito:</source>
        <translation>Code des Auftrags:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Con questo codice gli alunni hanno gli stessi problemi sullo schermo.</source>
        <translation>Mit diesem Code bekommen die Schüler dieselben Aufgaben auf dem Bildschirm.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stam&amp;pa...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salva PDF...</source>
        <translation>Als PDF &amp;speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>I problemi vanno da %1 a %2, non «%3».</source>
        <translation>Es sind %1 bis %2 Aufgaben möglich, nicht „%3“.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Il seme è un numero intero da 0 a 4294967295, non «%1».</source>
        <translation>Der Startwert ist eine ganze Zahl von 0 bis 4294967295, nicht „%1“.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Il livello %1 non offre problemi con questo teorema.</source>
        <translation>Stufe %1 hat keine Aufgaben mit diesem Satz.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>scheda-%1.pdf</source>
        <translation>arbeitsblatt-%1.pdf</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Scheda non salvata</source>
        <translation>Arbeitsblatt nicht gespeichert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Non è stato possibile salvare la scheda: %1.</source>
        <translation>Das Arbeitsblatt konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>La scheda è stata salvata in «%1».</source>
        <translation>Das Arbeitsblatt wurde in „%1“ gespeichert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Le soluzioni sono in «%1».</source>
        <translation>Die Lösungen stehen in „%1“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scheda salvata</source>
        <translation>Arbeitsblatt gespeichert</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Scheda non stampata</source>
        <translation>Arbeitsblatt nicht gedruckt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La stampante non ha accettato la scheda.</source>
        <translation>Der Drucker hat das Arbeitsblatt nicht angenommen.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Salva la scheda</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ui::results</name>
    <message>
        <location filename="../ui/results/resultstables.cpp" line="+33"/>
        <source>Oggi</source>
        <translation>Heute</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>In tutto</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livello %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>d/M</source>
        <extracomment>Day and month under a day&apos;s column (a QDate format): &quot;dd.MM.&quot; in German.</extracomment>
        <translation>dd.MM.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Nei grafici: &lt;span style=&quot;color:%1&quot;&gt;■&lt;/span&gt; esatte, &lt;span style=&quot;color:%2&quot;&gt;■&lt;/span&gt; sbagliate.</source>
        <translation>In den Diagrammen: &lt;span style=&quot;color:%1&quot;&gt;■&lt;/span&gt; richtig, &lt;span style=&quot;color:%2&quot;&gt;■&lt;/span&gt; falsch.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Esatte</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sbagliate</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposte</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>% esatte</source>
        <translation>% richtig</translation>
    </message>
</context>
<context>
    <name>ui::teacher::AssignmentsPage</name>
    <message>
        <location filename="../ui/teacher/assignmentspage.cpp" line="+39"/>
        <source>Cr&amp;ea il compito</source>
        <translation>Auftrag e&amp;rstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;opia</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stampa la scheda...</source>
        <translation>Arbeitsblatt &amp;drucken...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esporta per &amp;Moodle...</source>
        <translation>Für &amp;Moodle exportieren...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Livello %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entrambi i teoremi</source>
        <translation>Beide Sätze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il primo teorema di Euclide</source>
        <translation>Nur der Kathetensatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il secondo teorema di Euclide</source>
        <translation>Nur der Höhensatz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Livello</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Teorema</source>
        <translation>Satz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Numero di problemi</source>
        <translation>Anzahl der Aufgaben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Livello:</source>
        <translation>&amp;Stufe:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Teorema:</source>
        <translation>Sa&amp;tz:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Problemi:</source>
        <translation>A&amp;ufgaben:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Codice del compito</source>
        <translation>Code des Auftrags</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>I compiti che hai creato</source>
        <translation>Deine erstellten Aufträge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Creato il</source>
        <translation>Erstellt am</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Alunni che l&apos;hanno fatto</source>
        <translation>Schüler, die ihn erledigt haben</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>I compiti che h&amp;ai creato:</source>
        <translation>Deine erstellten Aufträ&amp;ge:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Questo livello non ha problemi con questo teorema: scegline un altro.</source>
        <translation>Diese Stufe hat keine Aufgaben zu diesem Satz: wähle einen anderen.</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+7"/>
        <location line="+2"/>
        <source>Stampa la scheda</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>compito-%1.pdf</source>
        <translation>auftrag-%1.pdf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>La scheda è in «%1», le soluzioni in «%2».</source>
        <translation>Das Arbeitsblatt ist in „%1“, die Lösungen in „%2“.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+12"/>
        <location line="+2"/>
        <source>Esporta per Moodle</source>
        <translation>Für Moodle exportieren</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>compito-%1.xml</source>
        <translation>auftrag-%1.xml</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moodle XML (*.xml);;GIFT (*.gift *.txt)</source>
        <translation>Moodle XML (*.xml);;GIFT (*.gift *.txt)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Le domande sono in «%1».</source>
        <translation>Die Fragen sind in „%1“.</translation>
    </message>
</context>
<context>
    <name>ui::teacher::PupilPage</name>
    <message>
        <location filename="../ui/teacher/pupilpage.cpp" line="+35"/>
        <source>(senza nome)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quando</source>
        <translation>Wann</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Livello</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tipo</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Atteso</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scritto</source>
        <translation>Eingegeben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Esatta</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Secondi</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>sì</source>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Le risposte di %1</source>
        <translation>Die Antworten von %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Risultati</source>
        <translation>&amp;Ergebnisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;isposte</source>
        <translation>&amp;Antworten</translation>
    </message>
</context>
<context>
    <name>ui::teacher::ResultsPage</name>
    <message>
        <location filename="../ui/teacher/resultspage.cpp" line="+89"/>
        <source>Scegli dove sono le risposte.</source>
        <translation>Wähle, wo die Antworten sind.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo &amp;dal</source>
        <translation>Nur &amp;vom</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Annulla</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Esporta...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Car&amp;tella...</source>
        <translation>&amp;Ordner...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;File...</source>
        <translation>&amp;Dateien...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cartella della cla&amp;sse</source>
        <translation>&amp;Klassenordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ser&amp;ver della scuola...</source>
        <translation>Schul&amp;server...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Le risposte:</source>
        <translation>Die Antworten:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tutte</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+34"/>
        <location line="+1"/>
        <source>Classe</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Tutti</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+39"/>
        <source>Compito</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Solo le risposte tra due date</source>
        <translation>Nur die Antworten zwischen zwei Daten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dal giorno</source>
        <translation>Vom Tag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Al giorno</source>
        <translation>Bis zum Tag</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>C&amp;lasse:</source>
        <translation>K&amp;lasse:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Co&amp;mpito:</source>
        <translation>Auf&amp;trag:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>al</source>
        <translation>bis</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lettura delle risposte</source>
        <translation>Lesen der Antworten</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+17"/>
        <location line="+1"/>
        <source>Alunni</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+1"/>
        <location line="+4"/>
        <source>Risposte</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+1"/>
        <location line="+4"/>
        <source>Esatte</source>
        <translation>Richtige</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+2"/>
        <location line="+3"/>
        <source>% esatte</source>
        <translation>% richtig</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+2"/>
        <source>Tempo</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Alunno</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livelli</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compiti fatti</source>
        <translation>Erledigte Aufträge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tipo</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sbagliate</source>
        <translation>Falsche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fatto</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Iniziato</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Non iniziato</source>
        <translation>Nicht begonnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Problemi</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Riepilogo della classe</source>
        <translation>Übersicht der Klasse</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Per tipo di problema</source>
        <translation>Nach Aufgabentyp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tipi</source>
        <translation>Typen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Per compito</source>
        <translation>Nach Auftrag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Compiti</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>File saltati</source>
        <translation>Übersprungene Dateien</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Resoconto PDF...</source>
        <translation>Bericht als PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte CSV...</source>
        <translation>Antworten als CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Foglio di calcolo (.xlsx)...</source>
        <translation>Tabelle (.xlsx)...</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Lettura annullata.</source>
        <translation>Lesen abgebrochen.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>La cartella delle risposte</source>
        <translation>Der Ordner der Antworten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>I file delle risposte</source>
        <translation>Die Dateien der Antworten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risultati di Solvetra (*.sqlite);;Tutti i file (*)</source>
        <translation>Solvetra-Ergebnisse (*.sqlite);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Server della scuola</source>
        <translation>Schulserver</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Risposte da: %1</source>
        <translation>Antworten aus: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>tutte</source>
        <translation>alle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(senza nome)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invio apre la pagina di %1</source>
        <translation>Eingabe öffnet die Seite von %1</translation>
    </message>
    <message numerus="yes">
        <location line="+22"/>
        <source>Risposte da %n file.</source>
        <translation>
            <numerusform>Antworten aus %n Datei.</numerusform>
            <numerusform>Antworten aus %n Dateien.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Saltati: %n.</source>
        <translation>
            <numerusform>Übersprungen: %n.</numerusform>
            <numerusform>Übersprungen: %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nessuna risposta letta. %1</source>
        <translation>Keine Antworten gelesen. %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Foglio di calcolo (*.xlsx)</source>
        <translation>Tabelle (*.xlsx)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>resoconto-%1.%2</source>
        <translation>bericht-%1.%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+35"/>
        <location line="+2"/>
        <source>Esporta</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Un file si è interrotto a metà lettura.</source>
        <translation>Eine Datei brach mitten im Lesen ab.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Il resoconto è in «%1».</source>
        <translation>Der Bericht ist in „%1“.</translation>
    </message>
</context>
<context>
    <name>ui::teacher::ServerSourceDialog</name>
    <message>
        <location filename="../ui/teacher/serversource.cpp" line="+32"/>
        <source>&amp;Ricorda la password in %1</source>
        <translation>Passwort in %1 &amp;merken</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server della scuola</source>
        <translation>Schulserver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Indirizzo del server</source>
        <translation>Adresse des Servers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vuota: la password già ricordata, se c&apos;è.</source>
        <translation>Leer: das schon gemerkte Passwort, falls es eines gibt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ricorda la password</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Indirizzo:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Leggi</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>«%1» non è l&apos;indirizzo di un server: scrivilo come postgresql://utente@server/banca-dati.</source>
        <translation>„%1“ ist keine Serveradresse: schreibe sie als postgresql://benutzer@server/datenbank.</translation>
    </message>
</context>
<context>
    <name>ui::teacher::TableChart</name>
    <message>
        <location filename="../ui/teacher/tablechart.cpp" line="+20"/>
        <source>Grafico: %1</source>
        <translation>Diagramm: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le stesse risposte della tabella, in barre.</source>
        <translation>Dieselben Antworten wie in der Tabelle, als Balken.</translation>
    </message>
</context>
<context>
    <name>ui::teacher::TeacherWindow</name>
    <message>
        <location filename="../ui/teacher/teacherwindow.cpp" line="+25"/>
        <source>Solvetra – Insegnante</source>
        <translation>Solvetra – Lehrkraft</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Compiti</source>
        <translation>&amp;Aufträge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Risultati</source>
        <translation>&amp;Ergebnisse</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <location filename="../app/worksheetcommand.cpp" line="+81"/>
        <source>Scrive una scheda di esercizi in PDF, senza finestra; aggiunge .pdf a un nome che non l&apos;ha. Qui -platform non conta.</source>
        <translation>Schreibt ein Arbeitsblatt als PDF, ohne Fenster; hängt .pdf an einen Namen ohne an. Hier zählt -platform nicht.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quanti problemi (da %1 a %2, di solito %3).</source>
        <translation>Wie viele Aufgaben (von %1 bis %2, sonst %3).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quale teorema: both (entrambi), leg (primo), altitude (secondo).</source>
        <translation>Welcher Satz: both (beide), leg (Kathetensatz), altitude (Höhensatz).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Il seme: lo stesso seme dà la stessa scheda.</source>
        <translation>Der Startwert: derselbe Startwert ergibt dasselbe Blatt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Le soluzioni: end (in fondo, di solito), separate (in NOME-soluzioni.pdf), none (nessuna).</source>
        <translation>Die Lösungen: end (am Ende, sonst üblich), separate (in NAME-soluzioni.pdf), none (keine).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Il livello: 1 (un passo, di solito), 2 (tutti i lati), 3 (due passi). Con --theorem, ai livelli 2 e 3 i problemi in cui un passo usa quel teorema.</source>
        <translation>Die Stufe: 1 (ein Schritt, sonst üblich), 2 (alle Seiten), 3 (zwei Schritte). Mit --theorem auf den Stufen 2 und 3 die Aufgaben, bei denen ein Schritt diesen Satz nutzt.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>--count vuole un numero intero da %1 a %2, non %3.</source>
        <translation>--count braucht eine ganze Zahl von %1 bis %2, nicht %3.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--theorem vuole both, leg o altitude, non %1.</source>
        <translation>--theorem braucht both, leg oder altitude, nicht %1.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>--%1 non va con --assignment: il codice dice già il livello, il teorema, i problemi e il seme.</source>
        <translation>--%1 geht nicht mit --assignment: der Code enthält schon Stufe, Satz, Aufgaben und Startwert.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--key vuole end, separate o none, non %1.</source>
        <translation>--key braucht end, separate oder none, nicht %1.</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>--level vuole 1, 2 o 3, non %1.</source>
        <translation>--level braucht 1, 2 oder 3, nicht %1.</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>manca il nome del file dopo --%1 (un nome che comincia con «-» va scritto ./-nome).</source>
        <translation>nach --%1 fehlt der Dateiname (ein Name, der mit „-“ beginnt, wird ./-name geschrieben).</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>il livello %1 non offre problemi con --theorem %2.</source>
        <translation>Stufe %1 hat keine Aufgaben mit --theorem %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--seed vuole un numero intero da 0 a 4294967295, non %1.</source>
        <translation>--seed braucht eine ganze Zahl von 0 bis 4294967295, nicht %1.</translation>
    </message>
</context>
</TS>
