<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="it_IT">
<context>
    <name>Accessible</name>
    <message>
        <location filename="../ui/access/accessibletexts.cpp" line="+28"/>
        <source>Triangolo rettangolo ABC con l&apos;altezza AH</source>
        <translation>Triángulo rectángulo ABC con la altura AH</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Il vecchio geometra</source>
        <translation>El viejo geómetra</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cronometro</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Risposte esatte</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte errate</source>
        <translation>Respuestas erróneas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte totali</source>
        <translation>Respuestas en total</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1, in centimetri</source>
        <translation>%1, en centímetros</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Livello %1: %2</source>
        <translation>Nivel %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dati: %1</source>
        <translation>Datos: %1</translation>
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
        <translation>Ejercicios sobre los teoremas del triángulo rectángulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Crediti</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solvetra 1.0: primo e secondo teorema di Euclide</source>
        <translation>Solvetra 1.0: teorema del cateto y teorema de la altura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Per allievi e insegnanti della scuola</source>
        <translation>Para alumnos y profesores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Software libero: licenza GNU GPL, versione 3 o successiva</source>
        <translation>Software libre: licencia GNU GPL, versión 3 o posterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calcolatrice</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nuovo gioco</source>
        <translation>Juego nuevo</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Record di</source>
        <translation>Récord de</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Livello %1</source>
        <translation>Nivel %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <location filename="../ui/results/resultswindow.cpp" line="+35"/>
        <source>Grafico: %1</source>
        <translation>Gráfico: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le stesse risposte della tabella, in barre.</source>
        <translation>Las mismas respuestas de la tabla, en barras.</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <location filename="../ui/sheet/sheetdesign.cpp" line="+30"/>
        <source>Risposte esatte</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Esta es tu puntuación. ¡A por el récord!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Risposte errate</source>
        <translation>Erróneas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Risposte totali</source>
        <translation>En total</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>Haz clic debajo de mí para poner la alarma</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>Haz clic debajo de mí para activar la alarma</translation>
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
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>Por favor, quédate un poco más, a lo mejor consigues echarme </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Nuovo calcolo</source>
        <translation>&amp;Nuevo cálculo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Go</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>Escribe el resultado y pulsa la tecla Intro</translation>
    </message>
    <message>
        <location filename="../ui/access/accessiblesheet.cpp" line="+88"/>
        <source>%1 (sveglia alle %2)</source>
        <translation>%1 (alarma a las %2)</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <location filename="../print/figure.cpp" line="+108"/>
        <source>non in scala</source>
        <translation>no a escala</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>%1 cm</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <location filename="../print/worksheetpdf.cpp" line="+23"/>
        <source>Soluzioni (compito %1)</source>
        <translation>Soluciones (tarea %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scheda di esercizi (compito %1)</source>
        <translation>Hoja de ejercicios (tarea %1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Scheda di esercizi (seme %1)</source>
        <translation>Hoja de ejercicios (semilla %1)</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Soluzioni (seme %1)</source>
        <translation>Soluciones (semilla %1)</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <location filename="../app/reportcommand.cpp" line="+57"/>
        <source>--%1 vuole una data come 2026-12-09, non %2.</source>
        <translation>--%1 necesita una fecha como 2026-12-09, no %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>non ho trovato nessun file di risultati.</source>
        <translation>no se ha encontrado ningún archivo de resultados.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nessuna risposta nei file per il periodo e la classe chiesti.</source>
        <translation>los archivos no tienen respuestas del periodo y la clase pedidos.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Scrive il resoconto della classe in PDF, in CSV o come foglio di calcolo, senza finestra.</source>
        <translation>Escribe el informe de la clase en PDF, en CSV o como hoja de cálculo, sin ventana.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Un file di risultati, una cartella di file o un server postgresql://utente@host/banca-dati; si può ripetere.</source>
        <translation>Un archivo de resultados, una carpeta de archivos o un servidor postgresql://usuario@host/base-de-datos; se puede repetir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>percorso</source>
        <translation>ruta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo le risposte da questo giorno (AAAA-MM-GG).</source>
        <translation>Solo las respuestas desde este día (AAAA-MM-DD).</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>data</source>
        <translation>fecha</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Solo le risposte fino a questo giorno (AAAA-MM-GG).</source>
        <translation>Solo las respuestas hasta este día (AAAA-MM-DD).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solo le risposte di questa classe.</source>
        <translation>Solo las respuestas de esta clase.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>classe</source>
        <translation>clase</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>--report vuole un file .pdf, .csv o .xlsx, non %1.</source>
        <translation>--report quiere un archivo .pdf, .csv o .xlsx, no %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--report vuole almeno un --records con i file di risultati.</source>
        <translation>--report necesita al menos un --records con los archivos de resultados.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--from viene dopo --to.</source>
        <translation>--from es posterior a --to.</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>righe scartate: %1</source>
        <translation>filas descartadas: %1</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>un file si è interrotto a metà lettura: non scrivo il CSV.</source>
        <translation>un archivo se interrumpió a mitad de la lectura: no escribo el CSV.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+18"/>
        <source>nessuna risposta al compito %1 nei file.</source>
        <translation>ninguna respuesta a la tarea %1 en los archivos.</translation>
    </message>
    <message>
        <location filename="../app/schoolsettings.cpp" line="+56"/>
        <source>solvetra: il file della password %1 non è un file normale di root con i permessi 0640: non lo uso.</source>
        <translation>solvetra: el archivo de la contraseña %1 no es un archivo normal de root con los permisos 0640: no lo uso.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>solvetra: il file della password %1 è leggibile da tutti: non lo uso. Deve avere i permessi 0640 (root e il gruppo degli alunni).</source>
        <translation>solvetra: el archivo de la contraseña %1 lo puede leer cualquiera: no lo uso. Debe tener los permisos 0640 (root y el grupo de los alumnos).</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>solvetra: le impostazioni %1 sono leggibili da altri utenti: non uso la password che contengono. Devono avere i permessi 0600.</source>
        <translation>solvetra: los ajustes %1 pueden leerlos otros usuarios: no uso la contraseña que contienen. Deben tener los permisos 0600.</translation>
    </message>
    <message>
        <location filename="../app/assignmentcommand.cpp" line="+26"/>
        <source>Scrive il codice di un compito fatto dei problemi che chiedono --level, --theorem, --count e --seed, senza finestra.</source>
        <translation>Escribe el código de una tarea hecha de los problemas que piden --level, --theorem, --count y --seed, sin ventana.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il codice di un compito: la finestra pone i suoi problemi; con --worksheet ne scrive la scheda.</source>
        <translation>El código de una tarea: la ventana plantea sus problemas; con --worksheet escribe su hoja.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>codice</source>
        <translation>código</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>--new-assignment non va con --%1.</source>
        <translation>--new-assignment no va con --%1.</translation>
    </message>
    <message>
        <location filename="../app/commandline.cpp" line="+297"/>
        <source>--assignment non va insieme a --teacher.</source>
        <translation>--assignment no va junto con --teacher.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <location line="-271"/>
        <source>La lingua: it (italiano), de (tedesco), es (spagnolo), en (inglese). Per la finestra resta scelta anche dopo.</source>
        <translation>El idioma: it (italiano), de (alemán), es (español), en (inglés). Para la ventana queda elegido también después.</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Uso: %1 [opzioni]
Quiz sui teoremi di Euclide del triangolo rettangolo.
Senza opzioni apre la finestra del quiz.

Opzioni:
</source>
        <translation>Uso: %1 [opciones]
Cuestionario sobre el teorema del cateto y el de la altura del triángulo rectángulo.
Sin opciones abre la ventana del cuestionario.

Opciones:
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>
Valgono anche le opzioni proprie di Qt per la finestra, per esempio -platform &lt;nome&gt;, -display &lt;schermo&gt; e -style &lt;nome&gt;; con --worksheet non contano.
QT_SCALE_FACTOR vale da %1 a %2; un altro valore è ignorato.
</source>
        <translation>
Para la ventana valen también las opciones propias de Qt, por ejemplo -platform &lt;nombre&gt;, -display &lt;pantalla&gt; y -style &lt;nombre&gt;; con --worksheet no cuentan.
QT_SCALE_FACTOR vale de %1 a %2; otro valor se ignora.
</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1: %2
Per l&apos;elenco delle opzioni: %1 --help
</source>
        <translation>%1: %2
Para la lista de opciones: %1 --help
</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>opzione sconosciuta: %1</source>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>manca il valore dopo %1.</source>
        <translation>falta el valor después de %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>riga di comando non valida: %1</source>
        <translation>línea de órdenes no válida: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mostra la versione ed esce.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Apre la finestra dell&apos;insegnante: compiti e risultati.</source>
        <translation>Abre la ventana del docente: tareas y resultados.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>--language vuole it, de, es o en, non %1.</source>
        <translation>--language necesita it, de, es o en, no %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>argomento inatteso: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>--%1 vale solo con --report.</source>
        <translation>--%1 solo vale con --report.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--%1 vale solo con --worksheet, --moodle o --gift.</source>
        <translation>--%1 solo vale con --worksheet, --moodle o --gift.</translation>
    </message>
    <message>
        <location line="-144"/>
        <source>--%1 vale solo con --worksheet.</source>
        <translation>--%1 solo vale con --worksheet.</translation>
    </message>
</context>
<context>
    <name>displaycheck</name>
    <message>
        <location filename="../app/displaycheck.cpp" line="+235"/>
        <source>solvetra: nessun compositore Wayland raggiungibile (WAYLAND_DISPLAY assente o non raggiungibile); avvia il programma da una sessione Wayland.
</source>
        <translation>solvetra: ningún compositor Wayland accesible (WAYLAND_DISPLAY ausente o no accesible); inicia el programa desde una sesión Wayland.
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>solvetra: la piattaforma grafica richiesta (-platform o QT_QPA_PLATFORM) non è installata; toglila per usare quella del sistema.
</source>
        <translation>solvetra: la plataforma gráfica pedida (-platform o QT_QPA_PLATFORM) no está instalada; quítala para usar la del sistema.
</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>solvetra: QT_SCALE_FACTOR=%1 ignorato: vale da %2 a %3; uso 1.
</source>
        <translation>solvetra: QT_SCALE_FACTOR=%1 ignorado: vale de %2 a %3; uso 1.
</translation>
    </message>
    <message>
        <location filename="../app/displaycheck.h" line="+45"/>
        <source>solvetra: nessuno schermo grafico utilizzabile (DISPLAY assente, vuoto o non raggiungibile); avvia il programma da una sessione grafica.
</source>
        <translation>solvetra: ninguna pantalla gráfica utilizable (DISPLAY ausente, vacío o no accesible); inicia el programa desde una sesión gráfica.
</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <location filename="../files/safewrite.cpp" line="+44"/>
        <source>esiste già e non è un file normale, lo lascio com&apos;è</source>
        <translation>ya existe y no es un archivo normal, lo dejo como está</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>impossibile scrivere il file %1: %2</source>
        <translation>no se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <location filename="../files/settings.cpp" line="+40"/>
        <source>solvetra: il file delle impostazioni %1 non è un file normale: lo ignoro, lo lascio com&apos;è e parto con le impostazioni iniziali.
</source>
        <translation>solvetra: el archivo de ajustes %1 no es un archivo normal: lo ignoro, lo dejo como está y empiezo con los ajustes iniciales.
</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+50"/>
        <source>solvetra: impossibile scrivere sullo standard output: %1
</source>
        <translation>solvetra: no se puede escribir en la salida estándar: %1
</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>solvetra: un argomento non è testo valido nella codifica del sistema: scegli un nome di file senza quei caratteri.
</source>
        <translation>solvetra: un argumento no es texto válido en la codificación del sistema: elige un nombre de archivo sin esos caracteres.
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
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(senza nome)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tipo di problema</source>
        <translation>Tipo de problema</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+23"/>
        <location line="+96"/>
        <source>Risposte</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <location line="-119"/>
        <location line="+23"/>
        <location line="+91"/>
        <source>Esatte</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <location line="-113"/>
        <location line="+118"/>
        <source>Sbagliate</source>
        <translation>Erróneas</translation>
    </message>
    <message>
        <location line="-106"/>
        <location line="+246"/>
        <source>Resoconto della classe</source>
        <translation>Informe de la clase</translation>
    </message>
    <message>
        <location line="-244"/>
        <location line="+37"/>
        <source>Classe: %1</source>
        <translation>Clase: %1</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>tutte</source>
        <translation>todas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Periodo: %1</source>
        <translation>Periodo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alunni: %1</source>
        <translation>Alumnos: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposte: %1</source>
        <translation>Respuestas: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esatte: %1</source>
        <translation>Correctas: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alunni</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+91"/>
        <source>Alunno</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Classe</source>
        <translation>Clase</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+90"/>
        <source>Tempo</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Livelli</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Per tipo di problema</source>
        <translation>Por tipo de problema</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I cinque tipi più spesso sbagliati</source>
        <translation>Los cinco tipos más a menudo fallados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File saltati</source>
        <translation>Archivos omitidos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Risposte lasciate fuori</source>
        <translation>Respuestas excluidas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Righe scartate: %1</source>
        <translation>Filas descartadas: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Risposte: %1, esatte %2, sbagliate %3 (%4)</source>
        <translation>Respuestas: %1, correctas %2, erróneas %3 (%4)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tempo: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livelli giocati: %1</source>
        <translation>Niveles jugados: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record di risposte esatte di fila: %1</source>
        <translation>Récord de respuestas correctas seguidas: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I tipi più spesso sbagliati</source>
        <translation>Los tipos más a menudo fallados</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>non iniziato</source>
        <translation>no empezada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fatto</source>
        <translation>hecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iniziato (%1 di %2)</source>
        <translation>empezada (%1 de %2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 su %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Compito %1</source>
        <translation>Tarea %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Livello %1, %2 problemi</source>
        <translation>Nivel %1, %2 problemas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fatto: %1 · Iniziato: %2 · Non iniziato: %3</source>
        <translation>Hecha: %1 · Empezada: %2 · No empezada: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stato</source>
        <translation>Estado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finito il</source>
        <translation>Terminada el</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I problemi più spesso sbagliati</source>
        <translation>Los problemas más a menudo errados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Problema</source>
        <translation>Problema</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Pagina %1 di %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <location filename="../print/sheetpainter.cpp" line="+38"/>
        <source>Trova la lunghezza richiesta con il primo teorema di Euclide.</source>
        <translation>Halla la longitud pedida con el teorema del cateto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trova la lunghezza richiesta con il secondo teorema di Euclide.</source>
        <translation>Halla la longitud pedida con el teorema de la altura.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trova la lunghezza richiesta con il primo o il secondo teorema di Euclide.</source>
        <translation>Halla la longitud pedida con el teorema del cateto o el de la altura.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Trova la lunghezza richiesta in due passi, uno con il primo teorema di Euclide.</source>
        <translation>Halla la longitud pedida en dos pasos, uno con el teorema del cateto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trova la lunghezza richiesta in due passi, uno con il secondo teorema di Euclide.</source>
        <translation>Halla la longitud pedida en dos pasos, uno con el teorema de la altura.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Trova la lunghezza richiesta in due passi.</source>
        <translation>Halla la longitud pedida en dos pasos.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Livello %1: %2 · </source>
        <translation>Nivel %1: %2 · </translation>
    </message>
</context>
<context>
    <name>print::SheetPainter</name>
    <message>
        <location line="+80"/>
        <source>Scheda di esercizi: i teoremi di Euclide</source>
        <translation>Hoja de ejercicios: teorema del cateto y de la altura</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Punteggio ____ / %1</source>
        <translation>Puntuación ____ / %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nome ______________________   Classe ________   Data ____________</source>
        <translation>Nombre ______________________   Clase ________   Fecha ____________</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Soluzioni</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Risposte</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1. %2 = %3 cm</source>
        <translation>%1. %2 = %3 cm</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Svolgimento</source>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Compito %1</source>
        <translation>Tarea %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seme %1</source>
        <translation>Semilla %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · %2pagina %3 di %4</source>
        <translation>%1 · %2página %3 de %4</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 · %2soluzioni · pagina %3 di %4</source>
        <translation>%1 · %2soluciones · página %3 de %4</translation>
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
        <translation>Escribe los problemas de la hoja como cuestionario de Moodle (formato Moodle XML, con las figuras), sin ventana; añade .xml a un nombre que no lo tiene. Vale con --count, --theorem, --seed y --level, o con --assignment.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scrive gli stessi problemi nel formato di testo GIFT, senza figure; aggiunge .gift a un nome che non l&apos;ha.</source>
        <translation>Escribe los mismos problemas en el formato de texto GIFT, sin figuras; añade .gift a un nombre que no lo tiene.</translation>
    </message>
    <message>
        <location filename="../app/commandline.cpp" line="+81"/>
        <source>--worksheet non va insieme a --moodle o --gift.</source>
        <translation>--worksheet no va junto con --moodle o --gift.</translation>
    </message>
</context>
<context>
    <name>questionset</name>
    <message>
        <location filename="../print/questionset.cpp" line="+68"/>
        <source>Figura: il triangolo ABC, rettangolo in A, con l&apos;altezza AH sull&apos;ipotenusa BC; accanto ai segmenti %1 e %2, e %3 = ?.</source>
        <translation>Figura: el triángulo ABC, rectángulo en A, con la altura AH sobre la hipotenusa BC; junto a los segmentos %1 y %2, y %3 = ?.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Problema %1</source>
        <translation>Problema %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dati: %1.</source>
        <translation>Datos: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calcola %1 (in cm).</source>
        <translation>Calcula %1 (en cm).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La risposta esatta è %1.</source>
        <translation>La respuesta correcta es %1.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Compito %1: teoremi di Euclide, livello %2</source>
        <translation>Tarea %1: teorema del cateto y de la altura, nivel %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Teoremi di Euclide, seme %1</source>
        <translation>Teorema del cateto y de la altura, semilla %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Teoremi di Euclide, livello %1, seme %2</source>
        <translation>Teorema del cateto y de la altura, nivel %1, semilla %2</translation>
    </message>
</context>
<context>
    <name>quiz</name>
    <message>
        <location filename="../quiz/answer.cpp" line="+25"/>
        <source>Esatto. Sei in gamba!!!</source>
        <translation>¡Correcto! ¡Eres un crack!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sbagliato!! </source>
        <translation>¡¡Mal!! </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scrivi un numero, per esempio 12,5</source>
        <translation>Escribe un número, por ejemplo 12,5</translation>
    </message>
    <message>
        <location filename="../quiz/kind.cpp" line="+57"/>
        <source>Primo teorema di Euclide</source>
        <translation>Teorema del cateto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Secondo teorema di Euclide</source>
        <translation>Teorema de la altura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Teorema di Pitagora</source>
        <translation>Teorema de Pitágoras</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Somma delle proiezioni</source>
        <translation>Suma de las proyecciones</translation>
    </message>
    <message>
        <location filename="../quiz/length.cpp" line="+19"/>
        <source>Proiezione BH</source>
        <translation>Proyección BH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proiezione HC</source>
        <translation>Proyección HC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cateto AB</source>
        <translation>Cateto AB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cateto AC</source>
        <translation>Cateto AC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ipotenusa BC</source>
        <translation>Hipotenusa BC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altezza AH</source>
        <translation>Altura AH</translation>
    </message>
    <message>
        <location filename="../quiz/level.cpp" line="+12"/>
        <source>Un passo</source>
        <translation>Un paso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tutti i lati</source>
        <translation>Todos los lados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Due passi</source>
        <translation>Dos pasos</translation>
    </message>
    <message>
        <location filename="../quiz/runtimeerror.cpp" line="+16"/>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Errore di calcolo in virgola mobile</source>
        <translation>Error de cálculo en coma flotante</translation>
    </message>
    <message>
        <location filename="../quiz/assignment.cpp" line="+161"/>
        <source>Codice del compito non valido</source>
        <translation>Código de la tarea no válido</translation>
    </message>
    <message>
        <location filename="../quiz/assignmentrun.cpp" line="+44"/>
        <source>Compito %1: %2 di %3</source>
        <translation>Tarea %1: %2 de %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Compito %1 finito: %2 esatte su %3, in %4 min %5 s.</source>
        <translation>Tarea %1 terminada: %2 correctas de %3, en %4 min %5 s.</translation>
    </message>
    <message>
        <location filename="../quiz/kindid.cpp" line="+24"/>
        <source>%1 da %2 e %3</source>
        <translation>%1 a partir de %2 y %3</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <location filename="../record/answerscsv.cpp" line="+45"/>
        <source>sì</source>
        <translation>sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location filename="../record/answercolumns.cpp" line="+85"/>
        <source>Data e ora</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../record/xlsxreport.cpp" line="+182"/>
        <location line="+31"/>
        <source>Alunno</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../record/xlsxreport.cpp" line="-31"/>
        <location line="+31"/>
        <source>Classe</source>
        <translation>Clase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livello</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tipo di problema</source>
        <translation>Tipo de problema</translation>
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
        <translation>Primer dato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondo dato</source>
        <translation>Segundo dato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lunghezza chiesta</source>
        <translation>Longitud pedida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valore atteso</source>
        <translation>Valor esperado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposta scritta</source>
        <translation>Respuesta escrita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esatta</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondi</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Soluzione aperta</source>
        <translation>Solución abierta</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../record/xlsxreport.cpp" line="+0"/>
        <source>Compito</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <location filename="../record/recordcopy.cpp" line="+122"/>
        <source>il registro %1 non si può leggere</source>
        <translation>el registro %1 no se puede leer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 non è un registro di risposte valido</source>
        <translation>%1 no es un registro de respuestas válido</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>è di un altro utente, lo lascio com&apos;è</source>
        <translation>es de otro usuario, lo dejo como está</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>non si può scrivere in %1</source>
        <translation>no se puede escribir en %1</translation>
    </message>
    <message>
        <location filename="../record/pupilrecord.cpp" line="+47"/>
        <source>la copia non si può modificare</source>
        <translation>la copia no se puede modificar</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../record/recordcopy.cpp" line="+63"/>
        <source>la copia in %1 non è riuscita: %2</source>
        <translation>la copia en %1 ha fallado: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>il registro %1 non si può modificare</source>
        <translation>el registro %1 no se puede modificar</translation>
    </message>
    <message>
        <location line="-14"/>
        <location filename="../record/recordcopy.cpp" line="-46"/>
        <location line="+3"/>
        <location line="+4"/>
        <location line="+42"/>
        <source>non si può scrivere %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <location filename="../record/recordreader.cpp" line="+33"/>
        <source>«%1» è danneggiato e non si può leggere.</source>
        <translation>«%1» está dañado y no se puede leer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» non è un file di risultati di Solvetra.</source>
        <translation>«%1» no es un archivo de resultados de Solvetra.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>«%1» è di una versione più recente di Solvetra e non si può leggere.</source>
        <translation>«%1» es de una versión más reciente de Solvetra y no se puede leer.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Non riesco ad aprire «%1».</source>
        <translation>No consigo abrir «%1».</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>%1 e %2 hanno %3 risposte con lo stesso codice ma contenuti diversi: le lascio fuori.</source>
        <translation>%1 y %2 tienen %3 respuestas con el mismo código pero distinto contenido: las dejo fuera.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+213"/>
        <source>«%1» si legge troppo lentamente: lo salto.</source>
        <translation>«%1» se lee demasiado despacio: lo omito.</translation>
    </message>
    <message>
        <location line="-109"/>
        <location line="+163"/>
        <source>«%1» non è un indirizzo valido di un server PostgreSQL.</source>
        <translation>«%1» no es una dirección válida de un servidor PostgreSQL.</translation>
    </message>
    <message>
        <location filename="../record/recordwriter.cpp" line="+25"/>
        <source>Non riesco a salvare i risultati nel file «%1». Il gioco continua: le risposte restano in memoria e saranno salvate appena il file sarà di nuovo scrivibile.</source>
        <translation>No consigo guardar los resultados en el archivo «%1». El juego sigue: las respuestas quedan en memoria y se guardarán en cuanto el archivo se pueda escribir de nuevo.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Il file dei risultati «%1» è di una versione più recente di Solvetra: non lo modifico. Il gioco continua, ma le risposte restano solo in memoria.</source>
        <translation>El archivo de resultados «%1» es de una versión más reciente de Solvetra: no lo modifico. El juego sigue, pero las respuestas quedan solo en memoria.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Il file dei risultati era danneggiato: l&apos;ho messo da parte come «%1» e ne ho cominciato uno nuovo.</source>
        <translation>El archivo de resultados estaba dañado: lo he apartado como «%1» y he empezado uno nuevo.</translation>
    </message>
    <message>
        <location filename="../record/recordsharing.cpp" line="+26"/>
        <source>Il gioco continua: le risposte restano su questo computer e saranno inviate appena possibile.</source>
        <translation>El juego sigue: las respuestas quedan en este ordenador y se enviarán en cuanto sea posible.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Non riesco a copiare i risultati nella cartella della classe (%1). Il gioco continua: i risultati restano su questo computer e saranno copiati appena la cartella sarà di nuovo raggiungibile.</source>
        <translation>No consigo copiar los resultados en la carpeta de la clase (%1). El juego sigue: los resultados quedan en este ordenador y se copiarán en cuanto la carpeta vuelva a estar accesible.</translation>
    </message>
    <message>
        <location filename="../record/serverlink.cpp" line="+140"/>
        <source>Il server della scuola (%1) non accetta l&apos;utente o la password.</source>
        <translation>El servidor de la escuela (%1) no acepta el usuario o la contraseña.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sul server della scuola (%1) la banca dati non esiste.</source>
        <translation>En el servidor de la escuela (%1) la base de datos no existe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il server della scuola (%1) vuole un altro tipo di connessione cifrata (TLS).</source>
        <translation>El servidor de la escuela (%1) pide otro tipo de conexión cifrada (TLS).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il server della scuola (%1) non dà il permesso di farlo a questo utente.</source>
        <translation>El servidor de la escuela (%1) no da permiso para hacerlo a este usuario.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sul server della scuola (%1) la banca dati non è preparata per Solvetra.</source>
        <translation>En el servidor de la escuela (%1) la base de datos no está preparada para Solvetra.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il server della scuola (%1) per ora non accetta altre risposte da questo utente.</source>
        <translation>El servidor de la escuela (%1) por ahora no acepta más respuestas de este usuario.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Il server della scuola (%1) non risponde.</source>
        <translation>El servidor de la escuela (%1) no responde.</translation>
    </message>
    <message>
        <location filename="../record/recordfolder.cpp" line="+23"/>
        <source>«%1» riporta a una cartella già letta: non la seguo.</source>
        <translation>«%1» lleva a una carpeta ya leída: no la sigo.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>«%1» non si può leggere.</source>
        <translation>«%1» no se puede leer.</translation>
    </message>
    <message>
        <location filename="../record/xlsxreport.cpp" line="-102"/>
        <source>fatto</source>
        <translation>hecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iniziato</source>
        <translation>empezada</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>non iniziato</source>
        <translation>sin empezar</translation>
    </message>
    <message>
        <location line="+65"/>
        <location line="+18"/>
        <source>Risposte</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+18"/>
        <location line="+14"/>
        <source>Esatte</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <location line="-32"/>
        <location line="+18"/>
        <source>Sbagliate</source>
        <translation>Erróneas</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>% esatte</source>
        <translation>% correctas</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+31"/>
        <source>Tempo (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Livelli</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Compiti fatti</source>
        <translation>Tareas hechas</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Stato</source>
        <translation>Estado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Risolti</source>
        <translation>Resueltos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Problemi</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Finito il</source>
        <translation>Terminada el</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>impossibile scrivere «%1»: un file si è interrotto a metà lettura.</source>
        <translation>no se puede escribir «%1»: un archivo se interrumpió a mitad de la lectura.</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>troppe risposte per un foglio di calcolo (%1, al più %2): restringi le date o la classe.</source>
        <translation>demasiadas respuestas para una hoja de cálculo (%1, como mucho %2): limita las fechas o la clase.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+18"/>
        <source>impossibile scrivere «%1»: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+10"/>
        <source>impossibile scrivere «%1»</source>
        <translation>no se puede escribir «%1»</translation>
    </message>
    <message>
        <location filename="../record/recordservice.cpp" line="+333"/>
        <location line="+9"/>
        <source>il registro è occupato da un altro programma</source>
        <translation>otro programa está usando el registro</translation>
    </message>
    <message>
        <location filename="../record/serverpassword.cpp" line="+46"/>
        <source>non è un file normale di questo utente, lo lascio com&apos;è</source>
        <translation>no es un archivo normal de este usuario, lo dejo como está</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <location filename="../app/passwordprompt.cpp" line="+58"/>
        <source>Password di %1: </source>
        <translation>Contraseña de %1: </translation>
    </message>
</context>
<context>
    <name>ui::AlarmDialog</name>
    <message>
        <location filename="../ui/dialogs/alarmdialog.cpp" line="+35"/>
        <source>Imposta</source>
        <translation>Poner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Togli la sveglia</source>
        <translation>Quitar la alarma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>La sveglia suona alle %1.</source>
        <translation>La alarma suena a las %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nessuna sveglia impostata.</source>
        <translation>No hay ninguna alarma puesta.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Imposta la sveglia</source>
        <translation>Poner la alarma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ora della sveglia</source>
        <translation>Hora de la alarma</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A quest&apos;ora il programma suona e mostra un avviso.</source>
        <translation>A esta hora el programa suena y muestra un aviso.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Suona alle:</source>
        <translation>&amp;Sonar a las:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Per oggi non resta nessun minuto: la sveglia si può impostare dopo la mezzanotte.</source>
        <translation>Hoy ya no queda ningún minuto: la alarma se puede poner después de medianoche.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Le %1 sono già passate: scegli un&apos;ora più tarda, entro oggi.</source>
        <translation>Las %1 ya han pasado: elige una hora más tarde, dentro de hoy.</translation>
    </message>
</context>
<context>
    <name>ui::AnswerLog</name>
    <message>
        <location filename="../ui/window/answerlog.cpp" line="+234"/>
        <source>I miei risultati</source>
        <translation>Mis resultados</translation>
    </message>
</context>
<context>
    <name>ui::AssignmentDialog</name>
    <message>
        <location filename="../ui/dialogs/assignmentdialog.cpp" line="+15"/>
        <source>Compito</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il &amp;codice del compito che ti ha dato l&apos;insegnante:</source>
        <translation>El &amp;código de la tarea que te ha dado el docente:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Comincia</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ui::ExercisesMenu</name>
    <message>
        <location filename="../ui/window/exercisesmenu.cpp" line="+37"/>
        <source>Esercizi</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+108"/>
        <source>Come si risolve</source>
        <translation>Cómo se resuelve</translation>
    </message>
    <message>
        <location line="-106"/>
        <source>Stampa una scheda...</source>
        <translation>Imprimir una hoja...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compito...</source>
        <translation>Tarea...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imposta la sveglia...</source>
        <translation>Poner la alarma...</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Livello</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ripasso</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chi gioca...</source>
        <translation>Quién juega...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I miei risultati</source>
        <translation>Mis resultados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esporta i miei risultati...</source>
        <translation>Exportar mis resultados...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancella i miei risultati...</source>
        <translation>Borrar mis resultados...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancella tutti i risultati di questo account...</source>
        <translation>Borrar todos los resultados de esta cuenta...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Lingua</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Compito</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il compito %1 non è finito. Vuoi lasciarlo? Potrai continuarlo più tardi da «Compito...».</source>
        <translation>La tarea %1 no está terminada. ¿Quieres dejarla? Podrás seguirla más tarde desde «Tarea...».</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Lingua: %1, dal prossimo «Nuovo gioco».</source>
        <translation>Idioma: %1, a partir del próximo «Juego nuevo».</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>risultati-%1.sqlite</source>
        <translation>resultados-%1.sqlite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>risultati-%1-%2.sqlite</source>
        <translation>resultados-%1-%2.sqlite</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <location line="+5"/>
        <source>Esporta i miei risultati</source>
        <translation>Exportar mis resultados</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Risultati di Solvetra (*.sqlite)</source>
        <translation>Resultados de Solvetra (*.sqlite)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>I risultati sono stati copiati in «%1».</source>
        <translation>Los resultados se han copiado en «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Consegna questo file all&apos;insegnante: lo apre con Solvetra – Insegnante</source>
        <translation>Entrega este archivo a tu docente: lo abre con Solvetra – Docente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Non ho potuto copiare i risultati: %1</source>
        <translation>No he podido copiar los resultados: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>La copia già nella cartella della classe resta per l&apos;insegnante.</source>
        <translation>La copia que ya está en la carpeta de la clase se queda para el profesor.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+6"/>
        <location line="+3"/>
        <source>Cancella i miei risultati</source>
        <translation>Borrar mis resultados</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Vuoi davvero cancellare i risultati dati senza nome? Quelli di chi ha dato il suo nome restano. Non si potranno più recuperare.</source>
        <translation>¿De verdad quieres borrar los resultados dados sin nombre? Los de quienes dieron su nombre se quedan. No se podrán recuperar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vuoi davvero cancellare i risultati di %1? Quelli degli altri restano. Non si potranno più recuperare.</source>
        <translation>¿De verdad quieres borrar los resultados de %1? Los de los demás se quedan. No se podrán recuperar.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Non ho potuto cancellare i risultati: %1</source>
        <translation>No he podido borrar los resultados: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+6"/>
        <location line="+3"/>
        <source>Cancella tutti i risultati di questo account</source>
        <translation>Borrar todos los resultados de esta cuenta</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Vuoi davvero cancellare tutti i risultati salvati con questo utente del computer (anche quelli di chi altro vi ha giocato)? Non si potranno più recuperare.</source>
        <translation>¿De verdad quieres borrar todos los resultados guardados con este usuario del ordenador (también los de otros que hayan jugado con él)? No se podrán recuperar.</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+21"/>
        <source>I risultati sono stati cancellati.</source>
        <translation>Los resultados se han borrado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Non ho potuto cancellare il file dei risultati «%1».</source>
        <translation>No he podido borrar el archivo de resultados «%1».</translation>
    </message>
</context>
<context>
    <name>ui::PupilDialog</name>
    <message>
        <location filename="../ui/dialogs/pupildialog.cpp" line="+9"/>
        <source>Chiedi chi gioca a ogni avvio</source>
        <translation>Preguntar quién juega cada vez que se abre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chi gioca?</source>
        <translation>¿Quién juega?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hanno già giocato:</source>
        <translation>&amp;Ya han jugado:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hanno già giocato</source>
        <translation>Ya han jugado</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Nome:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Classe:</source>
        <translation>&amp;Clase:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Gioca</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Senza nome</source>
        <translation>Sin nombre</translation>
    </message>
</context>
<context>
    <name>ui::ResultsWindow</name>
    <message>
        <location filename="../ui/results/resultswindow.cpp" line="+15"/>
        <source>I miei risultati</source>
        <translation>Mis resultados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I risultati di %1</source>
        <translation>Los resultados de %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Oggi e in tutto</source>
        <translation>Hoy y en total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposte di oggi e in tutto</source>
        <translation>Respuestas de hoy y en total</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quando</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Non ci sono ancora risposte: gioca e torna qui!</source>
        <translation>Todavía no hay respuestas: ¡juega y vuelve aquí!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Per livello</source>
        <translation>Por nivel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risposte per livello</source>
        <translation>Respuestas por nivel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Livello</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Per tipo di problema</source>
        <translation>Por tipo de problema</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte per tipo di problema</source>
        <translation>Respuestas por tipo de problema</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tipo di problema</source>
        <translation>Tipo de problema</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Giorno per giorno</source>
        <translation>Día a día</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Risposte giorno per giorno, in verde le esatte</source>
        <translation>Respuestas día a día, en verde las correctas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La serie più lunga di risposte esatte di fila: %1.</source>
        <translation>La serie más larga de respuestas correctas seguidas: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (1 volta)</source>
        <translation>%1 (1 vez)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 volte)</source>
        <translation>%1 (%2 veces)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nessun tipo di problema sbagliato: bravo!</source>
        <translation>Ningún tipo de problema fallado: ¡muy bien!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I tipi di problema sbagliati più spesso: %1.</source>
        <translation>Los tipos de problema fallados más a menudo: %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ui::SheetZoom</name>
    <message>
        <location filename="../ui/window/sheetzoom.cpp" line="+38"/>
        <source>Ingrandisci</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Riduci</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dimensioni originali</source>
        <translation>Tamaño original</translation>
    </message>
</context>
<context>
    <name>ui::Tavola</name>
    <message>
        <location filename="../ui/window/tavola.cpp" line="+107"/>
        <source>Gioca  con i Solvetra</source>
        <translation>Juega con Solvetra</translation>
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
        <translation>Error en tiempo de ejecución &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Giocare con I Solvetra</source>
        <translation>Jugar con Solvetra</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Sveglia</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sveglia alle </source>
        <translation>Alarma a las </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Calcolatrice</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nessuna calcolatrice trovata su questo computer.</source>
        <translation>No se ha encontrado ninguna calculadora en este ordenador.</translation>
    </message>
    <message>
        <location line="+43"/>
        <location line="+15"/>
        <location line="+37"/>
        <source>Compito</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Nel compito %1 eri arrivato al problema %2 di %3. Vuoi continuare da lì?</source>
        <translation>En la tarea %1 habías llegado al problema %2 de %3. ¿Quieres seguir desde ahí?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Il compito %1 non è finito: eri arrivato al problema %2 di %3. Vuoi continuarlo?</source>
        <translation>La tarea %1 no está terminada: habías llegado al problema %2 de %3. ¿Quieres seguirla?</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Uscire dal programma</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vuoi veramente lasciarmi  ?</source>
        <translation>¿De verdad quieres dejarme?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Data </source>
        <translation>Fecha </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ciao a presto. Ore </source>
        <translation>¡Adiós, hasta pronto! Son las </translation>
    </message>
</context>
<context>
    <name>ui::WorksheetDialog</name>
    <message>
        <location filename="../ui/dialogs/worksheetdialog.cpp" line="+50"/>
        <source>Stampa una scheda</source>
        <translation>Imprimir una hoja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entrambi i teoremi</source>
        <translation>Los dos teoremas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il primo teorema di Euclide</source>
        <translation>Solo el teorema del cateto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il secondo teorema di Euclide</source>
        <translation>Solo el teorema de la altura</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Livello %1: %2</source>
        <translation>Nivel %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In fondo alla scheda</source>
        <translation>Al final de la hoja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In un file a parte</source>
        <translation>En un archivo aparte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nessuna</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Problemi:</source>
        <translation>&amp;Problemas:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>da %1 a %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Livello:</source>
        <translation>&amp;Nivel:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Teorema:</source>
        <translation>&amp;Teorema:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;eme:</source>
        <translation>S&amp;emilla:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lo stesso seme dà la stessa scheda.</source>
        <translation>La misma semilla da la misma hoja.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;oluzioni:</source>
        <translation>S&amp;oluciones:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Codice del compito:</source>
        <translation>Código de la tarea:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Con questo codice gli alunni hanno gli stessi problemi sullo schermo.</source>
        <translation>Con este código los alumnos tienen los mismos problemas en la pantalla.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stam&amp;pa...</source>
        <translation>Imp&amp;rimir...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Salva PDF...</source>
        <translation>&amp;Guardar PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>I problemi vanno da %1 a %2, non «%3».</source>
        <translation>Los problemas van de %1 a %2, no «%3».</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Il seme è un numero intero da 0 a 4294967295, non «%1».</source>
        <translation>La semilla es un número entero de 0 a 4294967295, no «%1».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Il livello %1 non offre problemi con questo teorema.</source>
        <translation>El nivel %1 no tiene problemas con este teorema.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>scheda-%1.pdf</source>
        <translation>hoja-%1.pdf</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Scheda non salvata</source>
        <translation>Hoja no guardada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Non è stato possibile salvare la scheda: %1.</source>
        <translation>No se ha podido guardar la hoja: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>La scheda è stata salvata in «%1».</source>
        <translation>La hoja se ha guardado en «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Le soluzioni sono in «%1».</source>
        <translation>Las soluciones están en «%1».</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scheda salvata</source>
        <translation>Hoja guardada</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Scheda non stampata</source>
        <translation>Hoja no impresa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La stampante non ha accettato la scheda.</source>
        <translation>La impresora no ha aceptado la hoja.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Salva la scheda</source>
        <translation>Guardar la hoja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documenti PDF (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ui::results</name>
    <message>
        <location filename="../ui/results/resultstables.cpp" line="+33"/>
        <source>Oggi</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>In tutto</source>
        <translation>En total</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livello %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>d/M</source>
        <extracomment>Day and month under a day&apos;s column (a QDate format): &quot;dd.MM.&quot; in German.</extracomment>
        <translation>d/M</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Nei grafici: &lt;span style=&quot;color:%1&quot;&gt;■&lt;/span&gt; esatte, &lt;span style=&quot;color:%2&quot;&gt;■&lt;/span&gt; sbagliate.</source>
        <translation>En los gráficos: &lt;span style=&quot;color:%1&quot;&gt;■&lt;/span&gt; correctas, &lt;span style=&quot;color:%2&quot;&gt;■&lt;/span&gt; erróneas.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Esatte</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sbagliate</source>
        <translation>Erróneas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risposte</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>% esatte</source>
        <translation>% correctas</translation>
    </message>
</context>
<context>
    <name>ui::teacher::AssignmentsPage</name>
    <message>
        <location filename="../ui/teacher/assignmentspage.cpp" line="+39"/>
        <source>Cr&amp;ea il compito</source>
        <translation>Cr&amp;ear la tarea</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;opia</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stampa la scheda...</source>
        <translation>Imprimir la &amp;hoja...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esporta per &amp;Moodle...</source>
        <translation>Exportar para &amp;Moodle...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Livello %1: %2</source>
        <translation>Nivel %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Entrambi i teoremi</source>
        <translation>Ambos teoremas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il primo teorema di Euclide</source>
        <translation>Solo el teorema del cateto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo il secondo teorema di Euclide</source>
        <translation>Solo el teorema de la altura</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Livello</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Teorema</source>
        <translation>Teorema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Numero di problemi</source>
        <translation>Número de problemas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Livello:</source>
        <translation>&amp;Nivel:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Teorema:</source>
        <translation>Teorem&amp;a:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Problemi:</source>
        <translation>&amp;Problemas:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Codice del compito</source>
        <translation>Código de la tarea</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>I compiti che hai creato</source>
        <translation>Las tareas que has creado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Creato il</source>
        <translation>Creada el</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Alunni che l&apos;hanno fatto</source>
        <translation>Alumnos que la han hecho</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>I compiti che h&amp;ai creato:</source>
        <translation>Las tareas que has &amp;creado:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Questo livello non ha problemi con questo teorema: scegline un altro.</source>
        <translation>Este nivel no tiene problemas con este teorema: elige otro.</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+7"/>
        <location line="+2"/>
        <source>Stampa la scheda</source>
        <translation>Imprimir la hoja</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>compito-%1.pdf</source>
        <translation>tarea-%1.pdf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>La scheda è in «%1», le soluzioni in «%2».</source>
        <translation>La hoja está en «%1», las soluciones en «%2».</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+12"/>
        <location line="+2"/>
        <source>Esporta per Moodle</source>
        <translation>Exportar para Moodle</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>compito-%1.xml</source>
        <translation>tarea-%1.xml</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moodle XML (*.xml);;GIFT (*.gift *.txt)</source>
        <translation>Moodle XML (*.xml);;GIFT (*.gift *.txt)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Le domande sono in «%1».</source>
        <translation>Las preguntas están en «%1».</translation>
    </message>
</context>
<context>
    <name>ui::teacher::PupilPage</name>
    <message>
        <location filename="../ui/teacher/pupilpage.cpp" line="+35"/>
        <source>(senza nome)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quando</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Livello</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Atteso</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scritto</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Esatta</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Secondi</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>sì</source>
        <translation>sí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Le risposte di %1</source>
        <translation>Las respuestas de %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Risultati</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;isposte</source>
        <translation>R&amp;espuestas</translation>
    </message>
</context>
<context>
    <name>ui::teacher::ResultsPage</name>
    <message>
        <location filename="../ui/teacher/resultspage.cpp" line="+89"/>
        <source>Scegli dove sono le risposte.</source>
        <translation>Elige dónde están las respuestas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo &amp;dal</source>
        <translation>Solo &amp;del</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Esporta...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Car&amp;tella...</source>
        <translation>Car&amp;peta...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;File...</source>
        <translation>&amp;Archivos...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cartella della cla&amp;sse</source>
        <translation>Carpeta de la cla&amp;se</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ser&amp;ver della scuola...</source>
        <translation>Ser&amp;vidor de la escuela...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Le risposte:</source>
        <translation>Las respuestas:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tutte</source>
        <translation>Todas</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+34"/>
        <location line="+1"/>
        <source>Classe</source>
        <translation>Clase</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Tutti</source>
        <translation>Todas</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+39"/>
        <source>Compito</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Solo le risposte tra due date</source>
        <translation>Solo las respuestas entre dos fechas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dal giorno</source>
        <translation>Desde el día</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Al giorno</source>
        <translation>Hasta el día</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>C&amp;lasse:</source>
        <translation>C&amp;lase:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Co&amp;mpito:</source>
        <translation>Tar&amp;ea:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>al</source>
        <translation>al</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lettura delle risposte</source>
        <translation>Lectura de las respuestas</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+17"/>
        <location line="+1"/>
        <source>Alunni</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+1"/>
        <location line="+4"/>
        <source>Risposte</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+1"/>
        <location line="+4"/>
        <source>Esatte</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+2"/>
        <location line="+3"/>
        <source>% esatte</source>
        <translation>% correctas</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+2"/>
        <source>Tempo</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Alunno</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Livelli</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compiti fatti</source>
        <translation>Tareas hechas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sbagliate</source>
        <translation>Erróneas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fatto</source>
        <translation>Hecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Iniziato</source>
        <translation>Empezada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Non iniziato</source>
        <translation>Sin empezar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Problemi</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Riepilogo della classe</source>
        <translation>Resumen de la clase</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Per tipo di problema</source>
        <translation>Por tipo de problema</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tipi</source>
        <translation>Tipos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Per compito</source>
        <translation>Por tarea</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Compiti</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>File saltati</source>
        <translation>Archivos omitidos</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Resoconto PDF...</source>
        <translation>Informe PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Risposte CSV...</source>
        <translation>Respuestas CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Foglio di calcolo (.xlsx)...</source>
        <translation>Hoja de cálculo (.xlsx)...</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Lettura annullata.</source>
        <translation>Lectura cancelada.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>La cartella delle risposte</source>
        <translation>La carpeta de las respuestas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>I file delle risposte</source>
        <translation>Los archivos de las respuestas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Risultati di Solvetra (*.sqlite);;Tutti i file (*)</source>
        <translation>Resultados de Solvetra (*.sqlite);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Server della scuola</source>
        <translation>Servidor de la escuela</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Risposte da: %1</source>
        <translation>Respuestas de: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>tutte</source>
        <translation>todas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(senza nome)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invio apre la pagina di %1</source>
        <translation>Intro abre la página de %1</translation>
    </message>
    <message numerus="yes">
        <location line="+22"/>
        <source>Risposte da %n file.</source>
        <translation>
            <numerusform>Respuestas de %n archivo.</numerusform>
            <numerusform>Respuestas de %n archivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Saltati: %n.</source>
        <translation>
            <numerusform>Omitidos: %n.</numerusform>
            <numerusform>Omitidos: %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nessuna risposta letta. %1</source>
        <translation>Ninguna respuesta leída. %1</translation>
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
        <translation>Hoja de cálculo (*.xlsx)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>resoconto-%1.%2</source>
        <translation>informe-%1.%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+35"/>
        <location line="+2"/>
        <source>Esporta</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Un file si è interrotto a metà lettura.</source>
        <translation>Un archivo se interrumpió a mitad de la lectura.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Il resoconto è in «%1».</source>
        <translation>El informe está en «%1».</translation>
    </message>
</context>
<context>
    <name>ui::teacher::ServerSourceDialog</name>
    <message>
        <location filename="../ui/teacher/serversource.cpp" line="+32"/>
        <source>&amp;Ricorda la password in %1</source>
        <translation>&amp;Recordar la contraseña en %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Server della scuola</source>
        <translation>Servidor de la escuela</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Indirizzo del server</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vuota: la password già ricordata, se c&apos;è.</source>
        <translation>Vacía: la contraseña ya recordada, si la hay.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ricorda la password</source>
        <translation>Recordar la contraseña</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Indirizzo:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Leggi</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>«%1» non è l&apos;indirizzo di un server: scrivilo come postgresql://utente@server/banca-dati.</source>
        <translation>«%1» no es la dirección de un servidor: escríbela como postgresql://usuario@servidor/base-de-datos.</translation>
    </message>
</context>
<context>
    <name>ui::teacher::TableChart</name>
    <message>
        <location filename="../ui/teacher/tablechart.cpp" line="+20"/>
        <source>Grafico: %1</source>
        <translation>Gráfico: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le stesse risposte della tabella, in barre.</source>
        <translation>Las mismas respuestas de la tabla, en barras.</translation>
    </message>
</context>
<context>
    <name>ui::teacher::TeacherWindow</name>
    <message>
        <location filename="../ui/teacher/teacherwindow.cpp" line="+25"/>
        <source>Solvetra – Insegnante</source>
        <translation>Solvetra – Docente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Compiti</source>
        <translation>&amp;Tareas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Risultati</source>
        <translation>&amp;Resultados</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <location filename="../app/worksheetcommand.cpp" line="+81"/>
        <source>Scrive una scheda di esercizi in PDF, senza finestra; aggiunge .pdf a un nome che non l&apos;ha. Qui -platform non conta.</source>
        <translation>Escribe una hoja de ejercicios en PDF, sin ventana; añade .pdf a un nombre que no lo tiene. Aquí -platform no cuenta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quanti problemi (da %1 a %2, di solito %3).</source>
        <translation>Cuántos problemas (de %1 a %2, normalmente %3).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Quale teorema: both (entrambi), leg (primo), altitude (secondo).</source>
        <translation>Qué teorema: both (los dos), leg (del cateto), altitude (de la altura).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Il seme: lo stesso seme dà la stessa scheda.</source>
        <translation>La semilla: la misma semilla da la misma hoja.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Le soluzioni: end (in fondo, di solito), separate (in NOME-soluzioni.pdf), none (nessuna).</source>
        <translation>Las soluciones: end (al final, lo normal), separate (en NOMBRE-soluzioni.pdf), none (ninguna).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Il livello: 1 (un passo, di solito), 2 (tutti i lati), 3 (due passi). Con --theorem, ai livelli 2 e 3 i problemi in cui un passo usa quel teorema.</source>
        <translation>El nivel: 1 (un paso, lo normal), 2 (todos los lados), 3 (dos pasos). Con --theorem, en los niveles 2 y 3 los problemas en los que un paso usa ese teorema.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>--count vuole un numero intero da %1 a %2, non %3.</source>
        <translation>--count necesita un número entero de %1 a %2, no %3.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--theorem vuole both, leg o altitude, non %1.</source>
        <translation>--theorem necesita both, leg o altitude, no %1.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>--%1 non va con --assignment: il codice dice già il livello, il teorema, i problemi e il seme.</source>
        <translation>--%1 no va con --assignment: el código ya dice el nivel, el teorema, los problemas y la semilla.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>--key vuole end, separate o none, non %1.</source>
        <translation>--key necesita end, separate o none, no %1.</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>--level vuole 1, 2 o 3, non %1.</source>
        <translation>--level necesita 1, 2 o 3, no %1.</translation>
    </message>
    <message>
        <location line="-99"/>
        <source>manca il nome del file dopo --%1 (un nome che comincia con «-» va scritto ./-nome).</source>
        <translation>falta el nombre del archivo después de --%1 (un nombre que empieza por «-» se escribe ./-nombre).</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>il livello %1 non offre problemi con --theorem %2.</source>
        <translation>el nivel %1 no tiene problemas con --theorem %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--seed vuole un numero intero da 0 a 4294967295, non %1.</source>
        <translation>--seed necesita un número entero de 0 a 4294967295, no %1.</translation>
    </message>
</context>
</TS>
