<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>Accessible</name>
    <message>
        <location filename="../ui/access/accessibletexts.cpp" line="+28"/>
        <source>Triangolo rettangolo ABC con l&apos;altezza AH</source>
        <translation>Right triangle ABC with the altitude AH</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Il vecchio geometra</source>
        <translation>The old geometer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cronometro</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Risposte esatte</source>
        <translation>Right answers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte errate</source>
        <translation>Wrong answers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte totali</source>
        <translation>All answers</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1, in centimetri</source>
        <translation>%1, in centimetres</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Livello %1: %2</source>
        <translation>Level %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dati: %1</source>
        <translation>Given: %1</translation>
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
        <translation>Exercises on the right triangle theorems</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Crediti</source>
        <translation>Credits</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solvetra 1.0: primo e secondo teorema di Euclide</source>
        <translation>Solvetra 1.0: the leg rule and the altitude theorem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Per allievi e insegnanti della scuola</source>
        <translation>For pupils and teachers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Software libero: licenza GNU GPL, versione 3 o successiva</source>
        <translation>Free software: GNU GPL licence, version 3 or later</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calcolatrice</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nuovo gioco</source>
        <translation>New game</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Record di</source>
        <translation>Record of</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Livello %1</source>
        <translation>Level %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <location filename="../ui/results/resultswindow.cpp" line="+35"/>
        <source>Grafico: %1</source>
        <translation>Chart: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le stesse risposte della tabella, in barre.</source>
        <translation>The same answers as the table, as bars.</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <location filename="../ui/sheet/sheetdesign.cpp" line="+30"/>
        <source>Risposte esatte</source>
        <translation>Right answers</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>This is your score. Go for the record!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Risposte errate</source>
        <translation>Wrong answers</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Risposte totali</source>
        <translation>All answers</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>Click below me to set the alarm</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>Click below me to switch the alarm on</translation>
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
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>Please stay a little longer, maybe you will manage to throw me out </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Nuovo calcolo</source>
        <translation>&amp;New problem</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go</source>
        <translation>Next</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>Type the result and press the Enter key</translation>
    </message>
    <message>
        <location filename="../ui/access/accessiblesheet.cpp" line="+88"/>
        <source>%1 (sveglia alle %2)</source>
        <translation>%1 (alarm at %2)</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <location filename="../print/figure.cpp" line="+108"/>
        <source>non in scala</source>
        <translation>not to scale</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>%1 cm</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <location filename="../print/worksheetpdf.cpp" line="+23"/>
        <source>Soluzioni (compito %1)</source>
        <translation>Answer key (assignment %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scheda di esercizi (compito %1)</source>
        <translation>Worksheet (assignment %1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Scheda di esercizi (seme %1)</source>
        <translation>Worksheet (seed %1)</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Soluzioni (seme %1)</source>
        <translation>Answer key (seed %1)</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <location filename="../app/reportcommand.cpp" line="+57"/>
        <source>--%1 vuole una data come 2026-12-09, non %2.</source>
        <translation>--%1 needs a date such as 2026-12-09, not %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>non ho trovato nessun file di risultati.</source>
        <translation>no results file was found.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nessuna risposta nei file per il periodo e la classe chiesti.</source>
        <translation>the files hold no answers for the period and class asked for.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Scrive il resoconto della classe in PDF, in CSV o come foglio di calcolo, senza finestra.</source>
        <translation>Writes the class report as PDF, CSV or a spreadsheet, without a window.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Un file di risultati, una cartella di file o un server postgresql://utente@host/banca-dati; si può ripetere.</source>
        <translation>A results file, a folder of them or a server postgresql://user@host/database; may be given more than once.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>percorso</source>
        <translation>path</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo le risposte da questo giorno (AAAA-MM-GG).</source>
        <translation>Only the answers from this day on (YYYY-MM-DD).</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>data</source>
        <translation>date</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Solo le risposte fino a questo giorno (AAAA-MM-GG).</source>
        <translation>Only the answers up to this day (YYYY-MM-DD).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solo le risposte di questa classe.</source>
        <translation>Only the answers of this class.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>classe</source>
        <translation>class</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>--report vuole un file .pdf, .csv o .xlsx, non %1.</source>
        <translation>--report wants a .pdf, .csv or .xlsx file, not %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--report vuole almeno un --records con i file di risultati.</source>
        <translation>--report needs at least one --records with the results files.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--from viene dopo --to.</source>
        <translation>--from comes after --to.</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>righe scartate: %1</source>
        <translation>rows discarded: %1</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>un file si è interrotto a metà lettura: non scrivo il CSV.</source>
        <translation>a file broke off halfway through reading: the CSV is not written.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+18"/>
        <source>nessuna risposta al compito %1 nei file.</source>
        <translation>no answer to assignment %1 in the files.</translation>
    </message>
    <message>
        <location filename="../app/schoolsettings.cpp" line="+56"/>
        <source>solvetra: il file della password %1 non è un file normale di root con i permessi 0640: non lo uso.</source>
        <translation>solvetra: the password file %1 is not a regular file of root&apos;s with mode 0640: it is not used.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>solvetra: il file della password %1 è leggibile da tutti: non lo uso. Deve avere i permessi 0640 (root e il gruppo degli alunni).</source>
        <translation>solvetra: the password file %1 can be read by anyone: it is not used. It must have mode 0640 (root and the pupils&apos; group).</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>solvetra: le impostazioni %1 sono leggibili da altri utenti: non uso la password che contengono. Devono avere i permessi 0600.</source>
        <translation>solvetra: the settings %1 can be read by other users: the password in them is not used. They must have mode 0600.</translation>
    </message>
    <message>
        <location filename="../app/assignmentcommand.cpp" line="+26"/>
        <source>Scrive il codice di un compito fatto dei problemi che chiedono --level, --theorem, --count e --seed, senza finestra.</source>
        <translation>Prints the code of an assignment made of the problems that --level, --theorem, --count and --seed ask for, without a window.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il codice di un compito: la finestra pone i suoi problemi; con --worksheet ne scrive la scheda.</source>
        <translation>The code of an assignment: the window poses its problems; with --worksheet, writes its worksheet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>codice</source>
        <translation>code</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>--new-assignment non va con --%1.</source>
        <translation>--new-assignment does not go with --%1.</translation>
    </message>
    <message>
        <location filename="../app/commandline.cpp" line="+297"/>
        <source>--assignment non va insieme a --teacher.</source>
        <translation>--assignment does not go with --teacher.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <location line="-271"/>
        <source>La lingua: it (italiano), de (tedesco), es (spagnolo), en (inglese). Per la finestra resta scelta anche dopo.</source>
        <translation>The language: it (Italian), de (German), es (Spanish), en (English). For the window it stays chosen afterwards too.</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Uso: %1 [opzioni]
Quiz sui teoremi di Euclide del triangolo rettangolo.
Senza opzioni apre la finestra del quiz.

Opzioni:
</source>
        <translation>Usage: %1 [options]
Quiz on the leg rule and the altitude theorem of the right triangle.
Without options it opens the quiz window.

Options:
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>
Valgono anche le opzioni proprie di Qt per la finestra, per esempio -platform &lt;nome&gt;, -display &lt;schermo&gt; e -style &lt;nome&gt;; con --worksheet non contano.
QT_SCALE_FACTOR vale da %1 a %2; un altro valore è ignorato.
</source>
        <translation>
Qt&apos;s own options for the window work too, for example -platform &lt;name&gt;, -display &lt;screen&gt; and -style &lt;name&gt;; with --worksheet they do not count.
QT_SCALE_FACTOR goes from %1 to %2; any other value is ignored.
</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1: %2
Per l&apos;elenco delle opzioni: %1 --help
</source>
        <translation>%1: %2
For the list of options: %1 --help
</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>opzione sconosciuta: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>manca il valore dopo %1.</source>
        <translation>the value after %1 is missing.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>riga di comando non valida: %1</source>
        <translation>invalid command line: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mostra la versione ed esce.</source>
        <translation>Shows the version and exits.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Apre la finestra dell&apos;insegnante: compiti e risultati.</source>
        <translation>Opens the teacher&apos;s window: assignments and results.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>--language vuole it, de, es o en, non %1.</source>
        <translation>--language needs it, de, es or en, not %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>argomento inatteso: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>--%1 vale solo con --report.</source>
        <translation>--%1 only works with --report.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 vale solo con --worksheet, --moodle o --gift.</source>
        <translation>--%1 only works with --worksheet, --moodle or --gift.</translation>
    </message>
    <message>
        <location line="-144"/>
        <source>--%1 vale solo con --worksheet.</source>
        <translation>--%1 only works with --worksheet.</translation>
    </message>
</context>
<context>
    <name>displaycheck</name>
    <message>
        <location filename="../app/displaycheck.cpp" line="+235"/>
        <source>solvetra: nessun compositore Wayland raggiungibile (WAYLAND_DISPLAY assente o non raggiungibile); avvia il programma da una sessione Wayland.
</source>
        <translation>solvetra: no Wayland compositor can be reached (WAYLAND_DISPLAY missing or unreachable); start the program from a Wayland session.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>solvetra: la piattaforma grafica richiesta (-platform o QT_QPA_PLATFORM) non è installata; toglila per usare quella del sistema.
</source>
        <translation>solvetra: the graphics platform asked for (-platform or QT_QPA_PLATFORM) is not installed; leave it out to use the system&apos;s.
</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>solvetra: QT_SCALE_FACTOR=%1 ignorato: vale da %2 a %3; uso 1.
</source>
        <translation>solvetra: QT_SCALE_FACTOR=%1 ignored: it goes from %2 to %3; using 1.
</translation>
    </message>
    <message>
        <location filename="../app/displaycheck.h" line="+45"/>
        <source>solvetra: nessuno schermo grafico utilizzabile (DISPLAY assente, vuoto o non raggiungibile); avvia il programma da una sessione grafica.
</source>
        <translation>solvetra: no usable graphical display (DISPLAY missing, empty or unreachable); start the program from a graphical session.
</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <location filename="../files/safewrite.cpp" line="+44"/>
        <source>esiste già e non è un file normale, lo lascio com&apos;è</source>
        <translation>already exists and is not a regular file, left as it is</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>impossibile scrivere il file %1: %2</source>
        <translation>cannot write the file %1: %2</translation>
    </message>
    <message>
        <location filename="../files/settings.cpp" line="+40"/>
        <source>solvetra: il file delle impostazioni %1 non è un file normale: lo ignoro, lo lascio com&apos;è e parto con le impostazioni iniziali.
</source>
        <translation>solvetra: the settings file %1 is not a regular file: it is ignored and left as it is, and the program starts with the initial settings.
</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+50"/>
        <source>solvetra: impossibile scrivere sullo standard output: %1
</source>
        <translation>solvetra: cannot write to standard output: %1
</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>solvetra: un argomento non è testo valido nella codifica del sistema: scegli un nome di file senza quei caratteri.
</source>
        <translation>solvetra: an argument is not valid text in the system&apos;s encoding: choose a file name without those characters.
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
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(senza nome)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tipo di problema</source>
        <translation>Kind of problem</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+23"/>
        <location line="+96"/>
        <source>Risposte</source>
        <translation>Answers</translation>
    </message>
    <message>
        <location line="-119"/>
        <location line="+23"/>
        <location line="+91"/>
        <source>Esatte</source>
        <translation>Right</translation>
    </message>
    <message>
        <location line="-113"/>
        <location line="+118"/>
        <source>Sbagliate</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <location line="-106"/>
        <location line="+246"/>
        <source>Resoconto della classe</source>
        <translation>Class report</translation>
    </message>
    <message>
        <location line="-244"/>
        <location line="+37"/>
        <source>Classe: %1</source>
        <translation>Class: %1</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>tutte</source>
        <translation>all</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Periodo: %1</source>
        <translation>Period: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alunni: %1</source>
        <translation>Pupils: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposte: %1</source>
        <translation>Answers: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esatte: %1</source>
        <translation>Right: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alunni</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+91"/>
        <source>Alunno</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+90"/>
        <source>Tempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Livelli</source>
        <translation>Levels</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Per tipo di problema</source>
        <translation>By kind of problem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I cinque tipi più spesso sbagliati</source>
        <translation>The five kinds most often wrong</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File saltati</source>
        <translation>Files skipped</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Risposte lasciate fuori</source>
        <translation>Answers left out</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Righe scartate: %1</source>
        <translation>Rows discarded: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Risposte: %1, esatte %2, sbagliate %3 (%4)</source>
        <translation>Answers: %1, right %2, wrong %3 (%4)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tempo: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livelli giocati: %1</source>
        <translation>Levels played: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record di risposte esatte di fila: %1</source>
        <translation>Most right answers in a row: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I tipi più spesso sbagliati</source>
        <translation>The kinds most often wrong</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>non iniziato</source>
        <translation>not begun</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fatto</source>
        <translation>done</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iniziato (%1 di %2)</source>
        <translation>begun (%1 of %2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 su %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Compito %1</source>
        <translation>Assignment %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Livello %1, %2 problemi</source>
        <translation>Level %1, %2 problems</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fatto: %1 · Iniziato: %2 · Non iniziato: %3</source>
        <translation>Done: %1 · Begun: %2 · Not begun: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stato</source>
        <translation>State</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finito il</source>
        <translation>Finished on</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I problemi più spesso sbagliati</source>
        <translation>The problems most often wrong</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Problema</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Pagina %1 di %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <location filename="../print/sheetpainter.cpp" line="+38"/>
        <source>Trova la lunghezza richiesta con il primo teorema di Euclide.</source>
        <translation>Find the length asked for with the leg rule.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trova la lunghezza richiesta con il secondo teorema di Euclide.</source>
        <translation>Find the length asked for with the altitude theorem.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trova la lunghezza richiesta con il primo o il secondo teorema di Euclide.</source>
        <translation>Find the length asked for with the leg rule or the altitude theorem.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Trova la lunghezza richiesta in due passi, uno con il primo teorema di Euclide.</source>
        <translation>Find the length asked for in two steps, one with the leg rule.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trova la lunghezza richiesta in due passi, uno con il secondo teorema di Euclide.</source>
        <translation>Find the length asked for in two steps, one with the altitude theorem.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Trova la lunghezza richiesta in due passi.</source>
        <translation>Find the length asked for in two steps.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Livello %1: %2 · </source>
        <translation>Level %1: %2 · </translation>
    </message>
</context>
<context>
    <name>print::SheetPainter</name>
    <message>
        <location line="+80"/>
        <source>Scheda di esercizi: i teoremi di Euclide</source>
        <translation>Worksheet: the leg rule and the altitude theorem</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Punteggio ____ / %1</source>
        <translation>Score ____ / %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nome ______________________   Classe ________   Data ____________</source>
        <translation>Name ______________________   Class ________   Date ____________</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Soluzioni</source>
        <translation>Answer key</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Risposte</source>
        <translation>Answers</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1. %2 = %3 cm</source>
        <translation>%1. %2 = %3 cm</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Svolgimento</source>
        <translation>Working</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Compito %1</source>
        <translation>Assignment %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seme %1</source>
        <translation>Seed %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · %2pagina %3 di %4</source>
        <translation>%1 · %2page %3 of %4</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 · %2soluzioni · pagina %3 di %4</source>
        <translation>%1 · %2answer key · page %3 of %4</translation>
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
        <translation>Writes the worksheet&apos;s problems as a Moodle quiz (Moodle XML format, with the figures), without a window; adds .xml to a name without it. Works with --count, --theorem, --seed and --level, or with --assignment.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scrive gli stessi problemi nel formato di testo GIFT, senza figure; aggiunge .gift a un nome che non l&apos;ha.</source>
        <translation>Writes the same problems in the GIFT text format, without figures; adds .gift to a name without it.</translation>
    </message>
    <message>
        <location filename="../app/commandline.cpp" line="+81"/>
        <source>--worksheet non va insieme a --moodle o --gift.</source>
        <translation>--worksheet does not go with --moodle or --gift.</translation>
    </message>
</context>
<context>
    <name>questionset</name>
    <message>
        <location filename="../print/questionset.cpp" line="+68"/>
        <source>Figura: il triangolo ABC, rettangolo in A, con l&apos;altezza AH sull&apos;ipotenusa BC; accanto ai segmenti %1 e %2, e %3 = ?.</source>
        <translation>Figure: the triangle ABC, right-angled at A, with the altitude AH on the hypotenuse BC; beside the segments %1 and %2, and %3 = ?.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Problema %1</source>
        <translation>Problem %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dati: %1.</source>
        <translation>Given: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calcola %1 (in cm).</source>
        <translation>Work out %1 (in cm).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La risposta esatta è %1.</source>
        <translation>The right answer is %1.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Compito %1: teoremi di Euclide, livello %2</source>
        <translation>Assignment %1: the leg rule and the altitude theorem, level %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Teoremi di Euclide, seme %1</source>
        <translation>The leg rule and the altitude theorem, seed %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Teoremi di Euclide, livello %1, seme %2</source>
        <translation>The leg rule and the altitude theorem, level %1, seed %2</translation>
    </message>
</context>
<context>
    <name>quiz</name>
    <message>
        <location filename="../quiz/answer.cpp" line="+25"/>
        <source>Esatto. Sei in gamba!!!</source>
        <translation>Right! You&apos;re a star!!!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sbagliato!! </source>
        <translation>Wrong!! </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scrivi un numero, per esempio 12,5</source>
        <translation>Type a number, for example 12.5</translation>
    </message>
    <message>
        <location filename="../quiz/kind.cpp" line="+57"/>
        <source>Primo teorema di Euclide</source>
        <translation>Leg rule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Secondo teorema di Euclide</source>
        <translation>Altitude theorem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Teorema di Pitagora</source>
        <translation>Pythagoras&apos; theorem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Somma delle proiezioni</source>
        <translation>Sum of the projections</translation>
    </message>
    <message>
        <location filename="../quiz/length.cpp" line="+19"/>
        <source>Proiezione BH</source>
        <translation>Projection BH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proiezione HC</source>
        <translation>Projection HC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cateto AB</source>
        <translation>Leg AB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cateto AC</source>
        <translation>Leg AC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ipotenusa BC</source>
        <translation>Hypotenuse BC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altezza AH</source>
        <translation>Altitude AH</translation>
    </message>
    <message>
        <location filename="../quiz/level.cpp" line="+12"/>
        <source>Un passo</source>
        <translation>One step</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tutti i lati</source>
        <translation>All sides</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Due passi</source>
        <translation>Two steps</translation>
    </message>
    <message>
        <location filename="../quiz/runtimeerror.cpp" line="+16"/>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Errore di calcolo in virgola mobile</source>
        <translation>Floating-point error</translation>
    </message>
    <message>
        <location filename="../quiz/assignment.cpp" line="+161"/>
        <source>Codice del compito non valido</source>
        <translation>Not a valid assignment code</translation>
    </message>
    <message>
        <location filename="../quiz/assignmentrun.cpp" line="+44"/>
        <source>Compito %1: %2 di %3</source>
        <translation>Assignment %1: %2 of %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Compito %1 finito: %2 esatte su %3, in %4 min %5 s.</source>
        <translation>Assignment %1 done: %2 right out of %3, in %4 min %5 s.</translation>
    </message>
    <message>
        <location filename="../quiz/kindid.cpp" line="+24"/>
        <source>%1 da %2 e %3</source>
        <translation>%1 from %2 and %3</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <location filename="../record/answerscsv.cpp" line="+45"/>
        <source>sì</source>
        <translation>yes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location filename="../record/answercolumns.cpp" line="+85"/>
        <source>Data e ora</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../record/xlsxreport.cpp" line="+182"/>
        <location line="+31"/>
        <source>Alunno</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../record/xlsxreport.cpp" line="-31"/>
        <location line="+31"/>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livello</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tipo di problema</source>
        <translation>Kind of problem</translation>
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
        <translation>First given</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondo dato</source>
        <translation>Second given</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lunghezza chiesta</source>
        <translation>Length asked</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valore atteso</source>
        <translation>Expected value</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposta scritta</source>
        <translation>Answer typed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esatta</source>
        <translation>Right</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondi</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Soluzione aperta</source>
        <translation>Solution opened</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../record/xlsxreport.cpp" line="+0"/>
        <source>Compito</source>
        <translation>Assignment</translation>
    </message>
    <message>
        <location filename="../record/recordcopy.cpp" line="+122"/>
        <source>il registro %1 non si può leggere</source>
        <translation>the record %1 cannot be read</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 non è un registro di risposte valido</source>
        <translation>%1 is not a valid record of answers</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>è di un altro utente, lo lascio com&apos;è</source>
        <translation>belongs to another user, I leave it as it is</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>non si può scrivere in %1</source>
        <translation>cannot write in %1</translation>
    </message>
    <message>
        <location filename="../record/pupilrecord.cpp" line="+47"/>
        <source>la copia non si può modificare</source>
        <translation>the copy cannot be changed</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../record/recordcopy.cpp" line="+63"/>
        <source>la copia in %1 non è riuscita: %2</source>
        <translation>the copy to %1 failed: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>il registro %1 non si può modificare</source>
        <translation>the record %1 cannot be changed</translation>
    </message>
    <message>
        <location line="-14"/>
        <location filename="../record/recordcopy.cpp" line="-46"/>
        <location line="+3"/>
        <location line="+4"/>
        <location line="+42"/>
        <source>non si può scrivere %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <location filename="../record/recordreader.cpp" line="+33"/>
        <source>«%1» è danneggiato e non si può leggere.</source>
        <translation>“%1” is damaged and cannot be read.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» non è un file di risultati di Solvetra.</source>
        <translation>“%1” is not a Solvetra results file.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» è di una versione più recente di Solvetra e non si può leggere.</source>
        <translation>“%1” comes from a newer version of Solvetra and cannot be read.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Non riesco ad aprire «%1».</source>
        <translation>“%1” cannot be opened.</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>%1 e %2 hanno %3 risposte con lo stesso codice ma contenuti diversi: le lascio fuori.</source>
        <translation>%1 and %2 have %3 answers with the same code but different contents: I leave them out.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+213"/>
        <source>«%1» si legge troppo lentamente: lo salto.</source>
        <translation>“%1” reads too slowly: I skip it.</translation>
    </message>
    <message>
        <location line="-109"/>
        <location line="+163"/>
        <source>«%1» non è un indirizzo valido di un server PostgreSQL.</source>
        <translation>“%1” is not a valid address of a PostgreSQL server.</translation>
    </message>
    <message>
        <location filename="../record/recordwriter.cpp" line="+25"/>
        <source>Non riesco a salvare i risultati nel file «%1». Il gioco continua: le risposte restano in memoria e saranno salvate appena il file sarà di nuovo scrivibile.</source>
        <translation>The results cannot be saved in the file “%1”. The game goes on: the answers stay in memory and will be saved as soon as the file can be written again.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Il file dei risultati «%1» è di una versione più recente di Solvetra: non lo modifico. Il gioco continua, ma le risposte restano solo in memoria.</source>
        <translation>The results file “%1” comes from a newer version of Solvetra: it is left unchanged. The game goes on, but the answers stay in memory only.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Il file dei risultati era danneggiato: l&apos;ho messo da parte come «%1» e ne ho cominciato uno nuovo.</source>
        <translation>The results file was damaged: it was put aside as “%1” and a new one was started.</translation>
    </message>
    <message>
        <location filename="../record/recordsharing.cpp" line="+26"/>
        <source>Il gioco continua: le risposte restano su questo computer e saranno inviate appena possibile.</source>
        <translation>The game goes on: the answers stay on this computer and will be sent as soon as possible.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Non riesco a copiare i risultati nella cartella della classe (%1). Il gioco continua: i risultati restano su questo computer e saranno copiati appena la cartella sarà di nuovo raggiungibile.</source>
        <translation>The results cannot be copied into the class folder (%1). The game goes on: the results stay on this computer and will be copied as soon as the folder can be reached again.</translation>
    </message>
    <message>
        <location filename="../record/serverlink.cpp" line="+140"/>
        <source>Il server della scuola (%1) non accetta l&apos;utente o la password.</source>
        <translation>The school&apos;s server (%1) does not accept the user or the password.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sul server della scuola (%1) la banca dati non esiste.</source>
        <translation>On the school&apos;s server (%1) the database does not exist.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il server della scuola (%1) vuole un altro tipo di connessione cifrata (TLS).</source>
        <translation>The school&apos;s server (%1) wants another kind of encrypted connection (TLS).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il server della scuola (%1) non dà il permesso di farlo a questo utente.</source>
        <translation>The school&apos;s server (%1) does not allow this user to do that.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sul server della scuola (%1) la banca dati non è preparata per Solvetra.</source>
        <translation>On the school&apos;s server (%1) the database is not set up for Solvetra.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il server della scuola (%1) per ora non accetta altre risposte da questo utente.</source>
        <translation>The school&apos;s server (%1) takes no more answers from this user for now.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Il server della scuola (%1) non risponde.</source>
        <translation>The school&apos;s server (%1) does not answer.</translation>
    </message>
    <message>
        <location filename="../record/recordfolder.cpp" line="+23"/>
        <source>«%1» riporta a una cartella già letta: non la seguo.</source>
        <translation>“%1” leads back to a folder already read: not followed.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>«%1» non si può leggere.</source>
        <translation>“%1” cannot be read.</translation>
    </message>
    <message>
        <location filename="../record/xlsxreport.cpp" line="-102"/>
        <source>fatto</source>
        <translation>done</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iniziato</source>
        <translation>begun</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>non iniziato</source>
        <translation>not begun</translation>
    </message>
    <message>
        <location line="+65"/>
        <location line="+18"/>
        <source>Risposte</source>
        <translation>Answers</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+18"/>
        <location line="+14"/>
        <source>Esatte</source>
        <translation>Right</translation>
    </message>
    <message>
        <location line="-32"/>
        <location line="+18"/>
        <source>Sbagliate</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>% esatte</source>
        <translation>% right</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+31"/>
        <source>Tempo (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Livelli</source>
        <translation>Levels</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Compiti fatti</source>
        <translation>Assignments done</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tipo</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Stato</source>
        <translation>State</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Risolti</source>
        <translation>Answered</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Problemi</source>
        <translation>Problems</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finito il</source>
        <translation>Finished on</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>impossibile scrivere «%1»: un file si è interrotto a metà lettura.</source>
        <translation>cannot write “%1”: a file broke off halfway through reading.</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>troppe risposte per un foglio di calcolo (%1, al più %2): restringi le date o la classe.</source>
        <translation>too many answers for a spreadsheet (%1, at most %2): narrow the dates or the class.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+18"/>
        <source>impossibile scrivere «%1»: %2</source>
        <translation>cannot write “%1”: %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+10"/>
        <source>impossibile scrivere «%1»</source>
        <translation>cannot write “%1”</translation>
    </message>
    <message>
        <location filename="../record/recordservice.cpp" line="+333"/>
        <location line="+9"/>
        <source>il registro è occupato da un altro programma</source>
        <translation>another program is using the record</translation>
    </message>
    <message>
        <location filename="../record/serverpassword.cpp" line="+46"/>
        <source>non è un file normale di questo utente, lo lascio com&apos;è</source>
        <translation>is not a regular file of this user, left as it is</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <location filename="../app/passwordprompt.cpp" line="+58"/>
        <source>Password di %1: </source>
        <translation>Password for %1: </translation>
    </message>
</context>
<context>
    <name>ui::AlarmDialog</name>
    <message>
        <location filename="../ui/dialogs/alarmdialog.cpp" line="+35"/>
        <source>Imposta</source>
        <translation>Set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Togli la sveglia</source>
        <translation>Clear the alarm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>La sveglia suona alle %1.</source>
        <translation>The alarm rings at %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nessuna sveglia impostata.</source>
        <translation>No alarm set.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Imposta la sveglia</source>
        <translation>Set the alarm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ora della sveglia</source>
        <translation>Alarm time</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A quest&apos;ora il programma suona e mostra un avviso.</source>
        <translation>At this time the program rings and shows a notice.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Suona alle:</source>
        <translation>&amp;Ring at:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Per oggi non resta nessun minuto: la sveglia si può impostare dopo la mezzanotte.</source>
        <translation>There is no minute left today: the alarm can be set after midnight.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Le %1 sono già passate: scegli un&apos;ora più tarda, entro oggi.</source>
        <translation>%1 has already passed: choose a later time, today.</translation>
    </message>
</context>
<context>
    <name>ui::AnswerLog</name>
    <message>
        <location filename="../ui/window/answerlog.cpp" line="+234"/>
        <source>I miei risultati</source>
        <translation>My results</translation>
    </message>
</context>
<context>
    <name>ui::AssignmentDialog</name>
    <message>
        <location filename="../ui/dialogs/assignmentdialog.cpp" line="+15"/>
        <source>Compito</source>
        <translation>Assignment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il &amp;codice del compito che ti ha dato l&apos;insegnante:</source>
        <translation>The assignment &amp;code your teacher gave you:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Comincia</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ui::ExercisesMenu</name>
    <message>
        <location filename="../ui/window/exercisesmenu.cpp" line="+37"/>
        <source>Esercizi</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+108"/>
        <source>Come si risolve</source>
        <translation>How to solve it</translation>
    </message>
    <message>
        <location line="-106"/>
        <source>Stampa una scheda...</source>
        <translation>Print a worksheet...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compito...</source>
        <translation>Assignment...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imposta la sveglia...</source>
        <translation>Set the alarm...</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Livello</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ripasso</source>
        <translation>Review</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chi gioca...</source>
        <translation>Who is playing...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I miei risultati</source>
        <translation>My results</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esporta i miei risultati...</source>
        <translation>Export my results...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancella i miei risultati...</source>
        <translation>Delete my results...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancella tutti i risultati di questo account...</source>
        <translation>Delete all results of this account...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Compito</source>
        <translation>Assignment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il compito %1 non è finito. Vuoi lasciarlo? Potrai continuarlo più tardi da «Compito...».</source>
        <translation>Assignment %1 is not finished. Do you want to leave it? You can go on with it later from “Assignment...”.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Lingua: %1, dal prossimo «Nuovo gioco».</source>
        <translation>Language: %1, from the next “New game”.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>risultati-%1.sqlite</source>
        <translation>results-%1.sqlite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>risultati-%1-%2.sqlite</source>
        <translation>results-%1-%2.sqlite</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <location line="+5"/>
        <source>Esporta i miei risultati</source>
        <translation>Export my results</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Risultati di Solvetra (*.sqlite)</source>
        <translation>Solvetra results (*.sqlite)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>I risultati sono stati copiati in «%1».</source>
        <translation>The results were copied to “%1”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Consegna questo file all&apos;insegnante: lo apre con Solvetra – Insegnante</source>
        <translation>Give this file to your teacher: it opens with Solvetra – Teacher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Non ho potuto copiare i risultati: %1</source>
        <translation>The results could not be copied: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>La copia già nella cartella della classe resta per l&apos;insegnante.</source>
        <translation>The copy already in the class folder stays there for the teacher.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+6"/>
        <location line="+3"/>
        <source>Cancella i miei risultati</source>
        <translation>Delete my results</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Vuoi davvero cancellare i risultati dati senza nome? Quelli di chi ha dato il suo nome restano. Non si potranno più recuperare.</source>
        <translation>Do you really want to delete the results given without a name? Those of everyone who gave a name stay. They cannot be brought back.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vuoi davvero cancellare i risultati di %1? Quelli degli altri restano. Non si potranno più recuperare.</source>
        <translation>Do you really want to delete the results of %1? Those of the others stay. They cannot be brought back.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Non ho potuto cancellare i risultati: %1</source>
        <translation>The results could not be deleted: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+6"/>
        <location line="+3"/>
        <source>Cancella tutti i risultati di questo account</source>
        <translation>Delete all results of this account</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Vuoi davvero cancellare tutti i risultati salvati con questo utente del computer (anche quelli di chi altro vi ha giocato)? Non si potranno più recuperare.</source>
        <translation>Do you really want to delete all the results kept under this computer account (those of anyone else who played on it too)? They cannot be brought back.</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+21"/>
        <source>I risultati sono stati cancellati.</source>
        <translation>The results were deleted.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Non ho potuto cancellare il file dei risultati «%1».</source>
        <translation>The results file “%1” could not be deleted.</translation>
    </message>
</context>
<context>
    <name>ui::PupilDialog</name>
    <message>
        <location filename="../ui/dialogs/pupildialog.cpp" line="+9"/>
        <source>Chiedi chi gioca a ogni avvio</source>
        <translation>Ask who is playing at every start</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chi gioca?</source>
        <translation>Who is playing?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hanno già giocato:</source>
        <translation>&amp;Played before:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hanno già giocato</source>
        <translation>Played before</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Nome:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Classe:</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Gioca</source>
        <translation>Play</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Senza nome</source>
        <translation>Without a name</translation>
    </message>
</context>
<context>
    <name>ui::ResultsWindow</name>
    <message>
        <location filename="../ui/results/resultswindow.cpp" line="+15"/>
        <source>I miei risultati</source>
        <translation>My results</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I risultati di %1</source>
        <translation>%1&apos;s results</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Oggi e in tutto</source>
        <translation>Today and in all</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposte di oggi e in tutto</source>
        <translation>Answers today and in all</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quando</source>
        <translation>When</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Non ci sono ancora risposte: gioca e torna qui!</source>
        <translation>No answers yet: play and come back here!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Per livello</source>
        <translation>By level</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risposte per livello</source>
        <translation>Answers by level</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Livello</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Per tipo di problema</source>
        <translation>By kind of problem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte per tipo di problema</source>
        <translation>Answers by kind of problem</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tipo di problema</source>
        <translation>Kind of problem</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Giorno per giorno</source>
        <translation>Day by day</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risposte giorno per giorno, in verde le esatte</source>
        <translation>Answers day by day, the right ones in green</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La serie più lunga di risposte esatte di fila: %1.</source>
        <translation>The longest run of right answers in a row: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (1 volta)</source>
        <translation>%1 (once)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 volte)</source>
        <translation>%1 (%2 times)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nessun tipo di problema sbagliato: bravo!</source>
        <translation>No kind of problem got wrong: well done!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I tipi di problema sbagliati più spesso: %1.</source>
        <translation>The kinds of problem most often wrong: %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ui::SheetZoom</name>
    <message>
        <location filename="../ui/window/sheetzoom.cpp" line="+38"/>
        <source>Ingrandisci</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Riduci</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dimensioni originali</source>
        <translation>Original size</translation>
    </message>
</context>
<context>
    <name>ui::Tavola</name>
    <message>
        <location filename="../ui/window/tavola.cpp" line="+107"/>
        <source>Gioca  con i Solvetra</source>
        <translation>Play with Solvetra</translation>
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
        <translation>Run-time error &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Giocare con I Solvetra</source>
        <translation>Playing with Solvetra</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Sveglia</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sveglia alle </source>
        <translation>Alarm at </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Calcolatrice</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nessuna calcolatrice trovata su questo computer.</source>
        <translation>No calculator was found on this computer.</translation>
    </message>
    <message>
        <location line="+43"/>
        <location line="+15"/>
        <location line="+37"/>
        <source>Compito</source>
        <translation>Assignment</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Nel compito %1 eri arrivato al problema %2 di %3. Vuoi continuare da lì?</source>
        <translation>In assignment %1 you had got to problem %2 of %3. Do you want to go on from there?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Il compito %1 non è finito: eri arrivato al problema %2 di %3. Vuoi continuarlo?</source>
        <translation>Assignment %1 is not finished: you had got to problem %2 of %3. Do you want to go on with it?</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Uscire dal programma</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vuoi veramente lasciarmi  ?</source>
        <translation>Do you really want to leave me?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Data </source>
        <translation>Date </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ciao a presto. Ore </source>
        <translation>Bye, see you soon! It is </translation>
    </message>
</context>
<context>
    <name>ui::WorksheetDialog</name>
    <message>
        <location filename="../ui/dialogs/worksheetdialog.cpp" line="+50"/>
        <source>Stampa una scheda</source>
        <translation>Print a worksheet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entrambi i teoremi</source>
        <translation>Both theorems</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il primo teorema di Euclide</source>
        <translation>Only the leg rule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il secondo teorema di Euclide</source>
        <translation>Only the altitude theorem</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Livello %1: %2</source>
        <translation>Level %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In fondo alla scheda</source>
        <translation>At the end of the sheet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In un file a parte</source>
        <translation>In a separate file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nessuna</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Problemi:</source>
        <translation>&amp;Problems:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>da %1 a %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Livello:</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Teorema:</source>
        <translation>&amp;Theorem:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;eme:</source>
        <translation>S&amp;eed:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lo stesso seme dà la stessa scheda.</source>
        <translation>The same seed gives the same sheet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;oluzioni:</source>
        <translation>Ans&amp;wer key:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Codice del compito:</source>
        <translation>Assignment code:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Con questo codice gli alunni hanno gli stessi problemi sullo schermo.</source>
        <translation>With this code the pupils get the same problems on screen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stam&amp;pa...</source>
        <translation>P&amp;rint...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salva PDF...</source>
        <translation>&amp;Save PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>I problemi vanno da %1 a %2, non «%3».</source>
        <translation>The problems go from %1 to %2, not “%3”.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Il seme è un numero intero da 0 a 4294967295, non «%1».</source>
        <translation>The seed is a whole number from 0 to 4294967295, not “%1”.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Il livello %1 non offre problemi con questo teorema.</source>
        <translation>Level %1 has no problems with this theorem.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>scheda-%1.pdf</source>
        <translation>worksheet-%1.pdf</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Scheda non salvata</source>
        <translation>Worksheet not saved</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Non è stato possibile salvare la scheda: %1.</source>
        <translation>The worksheet could not be saved: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>La scheda è stata salvata in «%1».</source>
        <translation>The worksheet was saved in “%1”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Le soluzioni sono in «%1».</source>
        <translation>The answer key is in “%1”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scheda salvata</source>
        <translation>Worksheet saved</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Scheda non stampata</source>
        <translation>Worksheet not printed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La stampante non ha accettato la scheda.</source>
        <translation>The printer did not accept the worksheet.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Salva la scheda</source>
        <translation>Save the worksheet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ui::results</name>
    <message>
        <location filename="../ui/results/resultstables.cpp" line="+33"/>
        <source>Oggi</source>
        <translation>Today</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>In tutto</source>
        <translation>In all</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livello %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>d/M</source>
        <extracomment>Day and month under a day&apos;s column (a QDate format): &quot;dd.MM.&quot; in German.</extracomment>
        <translation>d MMM</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Nei grafici: &lt;span style=&quot;color:%1&quot;&gt;■&lt;/span&gt; esatte, &lt;span style=&quot;color:%2&quot;&gt;■&lt;/span&gt; sbagliate.</source>
        <translation>In the charts: &lt;span style=&quot;color:%1&quot;&gt;■&lt;/span&gt; right, &lt;span style=&quot;color:%2&quot;&gt;■&lt;/span&gt; wrong.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Esatte</source>
        <translation>Right</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sbagliate</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposte</source>
        <translation>Answers</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>% esatte</source>
        <translation>% right</translation>
    </message>
</context>
<context>
    <name>ui::teacher::AssignmentsPage</name>
    <message>
        <location filename="../ui/teacher/assignmentspage.cpp" line="+39"/>
        <source>Cr&amp;ea il compito</source>
        <translation>Mak&amp;e the assignment</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;opia</source>
        <translation>C&amp;opy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stampa la scheda...</source>
        <translation>Print the work&amp;sheet...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esporta per &amp;Moodle...</source>
        <translation>Export for &amp;Moodle...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Livello %1: %2</source>
        <translation>Level %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entrambi i teoremi</source>
        <translation>Both theorems</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il primo teorema di Euclide</source>
        <translation>Only the leg rule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il secondo teorema di Euclide</source>
        <translation>Only the altitude theorem</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Livello</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Teorema</source>
        <translation>Theorem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Numero di problemi</source>
        <translation>Number of problems</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Livello:</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Teorema:</source>
        <translation>&amp;Theorem:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Problemi:</source>
        <translation>&amp;Problems:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Codice del compito</source>
        <translation>Assignment code</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>I compiti che hai creato</source>
        <translation>The assignments you made</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Creato il</source>
        <translation>Made on</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Alunni che l&apos;hanno fatto</source>
        <translation>Pupils who did it</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>I compiti che h&amp;ai creato:</source>
        <translation>The assignments you ma&amp;de:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Questo livello non ha problemi con questo teorema: scegline un altro.</source>
        <translation>This level has no problems with this theorem: choose another.</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+7"/>
        <location line="+2"/>
        <source>Stampa la scheda</source>
        <translation>Print the worksheet</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>compito-%1.pdf</source>
        <translation>assignment-%1.pdf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>La scheda è in «%1», le soluzioni in «%2».</source>
        <translation>The worksheet is in “%1”, the answer key in “%2”.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+12"/>
        <location line="+2"/>
        <source>Esporta per Moodle</source>
        <translation>Export for Moodle</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>compito-%1.xml</source>
        <translation>assignment-%1.xml</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moodle XML (*.xml);;GIFT (*.gift *.txt)</source>
        <translation>Moodle XML (*.xml);;GIFT (*.gift *.txt)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Le domande sono in «%1».</source>
        <translation>The questions are in “%1”.</translation>
    </message>
</context>
<context>
    <name>ui::teacher::PupilPage</name>
    <message>
        <location filename="../ui/teacher/pupilpage.cpp" line="+35"/>
        <source>(senza nome)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quando</source>
        <translation>When</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Livello</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tipo</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Atteso</source>
        <translation>Expected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scritto</source>
        <translation>Typed</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Esatta</source>
        <translation>Right</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Secondi</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>sì</source>
        <translation>yes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Le risposte di %1</source>
        <translation>%1&apos;s answers</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Risultati</source>
        <translation>&amp;Results</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;isposte</source>
        <translation>&amp;Answers</translation>
    </message>
</context>
<context>
    <name>ui::teacher::ResultsPage</name>
    <message>
        <location filename="../ui/teacher/resultspage.cpp" line="+89"/>
        <source>Scegli dove sono le risposte.</source>
        <translation>Choose where the answers are.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo &amp;dal</source>
        <translation>Only &amp;from</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Esporta...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Car&amp;tella...</source>
        <translation>Fol&amp;der...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;File...</source>
        <translation>F&amp;iles...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cartella della cla&amp;sse</source>
        <translation>Cla&amp;ss folder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ser&amp;ver della scuola...</source>
        <translation>School ser&amp;ver...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Le risposte:</source>
        <translation>The answers:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tutte</source>
        <translation>All</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+34"/>
        <location line="+1"/>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Tutti</source>
        <translation>All</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+39"/>
        <source>Compito</source>
        <translation>Assignment</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Solo le risposte tra due date</source>
        <translation>Only the answers between two dates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dal giorno</source>
        <translation>From the day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Al giorno</source>
        <translation>To the day</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>C&amp;lasse:</source>
        <translation>C&amp;lass:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Co&amp;mpito:</source>
        <translation>Assign&amp;ment:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>al</source>
        <translation>to</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lettura delle risposte</source>
        <translation>Reading the answers</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+17"/>
        <location line="+1"/>
        <source>Alunni</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+1"/>
        <location line="+4"/>
        <source>Risposte</source>
        <translation>Answers</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+1"/>
        <location line="+4"/>
        <source>Esatte</source>
        <translation>Right</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+2"/>
        <location line="+3"/>
        <source>% esatte</source>
        <translation>% right</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+2"/>
        <source>Tempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Alunno</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livelli</source>
        <translation>Levels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compiti fatti</source>
        <translation>Assignments done</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tipo</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sbagliate</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fatto</source>
        <translation>Done</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Iniziato</source>
        <translation>Begun</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Non iniziato</source>
        <translation>Not begun</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Problemi</source>
        <translation>Problems</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Riepilogo della classe</source>
        <translation>Class summary</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Per tipo di problema</source>
        <translation>By kind of problem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tipi</source>
        <translation>Kinds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Per compito</source>
        <translation>By assignment</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Compiti</source>
        <translation>Assignments</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>File saltati</source>
        <translation>Skipped files</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Resoconto PDF...</source>
        <translation>PDF report...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte CSV...</source>
        <translation>CSV answers...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Foglio di calcolo (.xlsx)...</source>
        <translation>Spreadsheet (.xlsx)...</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Lettura annullata.</source>
        <translation>Reading cancelled.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>La cartella delle risposte</source>
        <translation>The answers&apos; folder</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>I file delle risposte</source>
        <translation>The answers&apos; files</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risultati di Solvetra (*.sqlite);;Tutti i file (*)</source>
        <translation>Solvetra results (*.sqlite);;All files (*)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Server della scuola</source>
        <translation>School&apos;s server</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Risposte da: %1</source>
        <translation>Answers from: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>tutte</source>
        <translation>all</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(senza nome)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invio apre la pagina di %1</source>
        <translation>Enter opens %1&apos;s page</translation>
    </message>
    <message numerus="yes">
        <location line="+22"/>
        <source>Risposte da %n file.</source>
        <translation>
            <numerusform>Answers from %n file.</numerusform>
            <numerusform>Answers from %n files.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Saltati: %n.</source>
        <translation>
            <numerusform>Skipped: %n.</numerusform>
            <numerusform>Skipped: %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nessuna risposta letta. %1</source>
        <translation>No answers read. %1</translation>
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
        <translation>Spreadsheet (*.xlsx)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>resoconto-%1.%2</source>
        <translation>report-%1.%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+35"/>
        <location line="+2"/>
        <source>Esporta</source>
        <translation>Export</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Un file si è interrotto a metà lettura.</source>
        <translation>A file broke off halfway through reading.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Il resoconto è in «%1».</source>
        <translation>The report is in “%1”.</translation>
    </message>
</context>
<context>
    <name>ui::teacher::ServerSourceDialog</name>
    <message>
        <location filename="../ui/teacher/serversource.cpp" line="+32"/>
        <source>&amp;Ricorda la password in %1</source>
        <translation>&amp;Remember the password in %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server della scuola</source>
        <translation>School&apos;s server</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Indirizzo del server</source>
        <translation>Server address</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vuota: la password già ricordata, se c&apos;è.</source>
        <translation>Empty: the password already remembered, if any.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ricorda la password</source>
        <translation>Remember the password</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Indirizzo:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Leggi</source>
        <translation>Rea&amp;d</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>«%1» non è l&apos;indirizzo di un server: scrivilo come postgresql://utente@server/banca-dati.</source>
        <translation>“%1” is not a server address: write it as postgresql://user@server/database.</translation>
    </message>
</context>
<context>
    <name>ui::teacher::TableChart</name>
    <message>
        <location filename="../ui/teacher/tablechart.cpp" line="+20"/>
        <source>Grafico: %1</source>
        <translation>Chart: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le stesse risposte della tabella, in barre.</source>
        <translation>The same answers as the table, as bars.</translation>
    </message>
</context>
<context>
    <name>ui::teacher::TeacherWindow</name>
    <message>
        <location filename="../ui/teacher/teacherwindow.cpp" line="+25"/>
        <source>Solvetra – Insegnante</source>
        <translation>Solvetra – Teacher</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Compiti</source>
        <translation>&amp;Assignments</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Risultati</source>
        <translation>&amp;Results</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <location filename="../app/worksheetcommand.cpp" line="+81"/>
        <source>Scrive una scheda di esercizi in PDF, senza finestra; aggiunge .pdf a un nome che non l&apos;ha. Qui -platform non conta.</source>
        <translation>Writes a worksheet as PDF, without a window; adds .pdf to a name without it. Here -platform does not count.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quanti problemi (da %1 a %2, di solito %3).</source>
        <translation>How many problems (from %1 to %2, %3 unless told).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quale teorema: both (entrambi), leg (primo), altitude (secondo).</source>
        <translation>Which theorem: both, leg (the leg rule), altitude (the altitude theorem).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Il seme: lo stesso seme dà la stessa scheda.</source>
        <translation>The seed: the same seed gives the same sheet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Le soluzioni: end (in fondo, di solito), separate (in NOME-soluzioni.pdf), none (nessuna).</source>
        <translation>The answer key: end (at the end, unless told), separate (in NAME-soluzioni.pdf), none.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Il livello: 1 (un passo, di solito), 2 (tutti i lati), 3 (due passi). Con --theorem, ai livelli 2 e 3 i problemi in cui un passo usa quel teorema.</source>
        <translation>The level: 1 (one step, unless told), 2 (all sides), 3 (two steps). With --theorem, at levels 2 and 3 the problems where one step uses that theorem.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>--count vuole un numero intero da %1 a %2, non %3.</source>
        <translation>--count needs a whole number from %1 to %2, not %3.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--theorem vuole both, leg o altitude, non %1.</source>
        <translation>--theorem needs both, leg or altitude, not %1.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>--%1 non va con --assignment: il codice dice già il livello, il teorema, i problemi e il seme.</source>
        <translation>--%1 does not go with --assignment: the code already holds the level, the theorem, the problems and the seed.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--key vuole end, separate o none, non %1.</source>
        <translation>--key needs end, separate or none, not %1.</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>--level vuole 1, 2 o 3, non %1.</source>
        <translation>--level needs 1, 2 or 3, not %1.</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>manca il nome del file dopo --%1 (un nome che comincia con «-» va scritto ./-nome).</source>
        <translation>the file name after --%1 is missing (a name that starts with “-” is written ./-name).</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>il livello %1 non offre problemi con --theorem %2.</source>
        <translation>level %1 has no problems with --theorem %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--seed vuole un numero intero da 0 a 4294967295, non %1.</source>
        <translation>--seed needs a whole number from 0 to 4294967295, not %1.</translation>
    </message>
</context>
</TS>
