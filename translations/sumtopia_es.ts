<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CandidateLabel</name>
    <message>
        <source>answer choice %1 of 4</source>
        <translation>respuesta posible %1 de 4</translation>
    </message>
</context>
<context>
    <name>Delivery</name>
    <message>
        <source>no reason given</source>
        <translation>sin motivo indicado</translation>
    </message>
    <message>
        <source>Check that the printing service is running, then try again.</source>
        <translation>Compruebe que el servicio de impresión está en marcha y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The file that was there is unchanged.</source>
        <translation>El archivo que había sigue sin cambios.</translation>
    </message>
    <message>
        <source>No file was left behind.</source>
        <translation>No ha quedado ningún archivo a medias.</translation>
    </message>
    <message>
        <source>%1 could not be written: nothing reads from it. Start the program that reads it, or choose a file, then try again.</source>
        <translation>No se pudo escribir %1: nada lo está leyendo. Inicie el programa que lo lee o elija un archivo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre del archivo está vacío</translation>
    </message>
    <message>
        <source>the path is %1 bytes long, more than the %2 a path may have</source>
        <translation>la ruta tiene %1 bytes, más de los %2 que puede tener una ruta</translation>
    </message>
    <message>
        <source>a name in the path is %1 bytes long, more than the %2 a name may have</source>
        <translation>un nombre de la ruta tiene %1 bytes, más de los %2 que puede tener un nombre</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads round in a loop</source>
        <translation>es un enlace simbólico que forma un bucle</translation>
    </message>
    <message>
        <source>it is a symbolic link to something that does not exist</source>
        <translation>es un enlace simbólico a algo que no existe</translation>
    </message>
    <message>
        <source>the folder %1 cannot be used: %2</source>
        <translation>no se puede usar la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>the folder %1 takes no new files: %2</source>
        <translation>la carpeta %1 no admite archivos nuevos: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2. Choose another file name.</source>
        <translation>No se puede escribir %1: %2. Elija otro nombre de archivo.</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Ficha de ejercicios</translation>
    </message>
    <message>
        <source>The PDF pages for %1 could not be drawn; nothing was written.</source>
        <translation>No se pudieron dibujar las páginas PDF de %1; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>No printer is set up.</source>
        <translation>No hay ninguna impresora configurada.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not accept the worksheet: %2.%3 Check that the printer accepts jobs, then try again.</source>
        <translation>La impresora «%1» no aceptó la ficha: %2.%3 Compruebe que la impresora acepta trabajos y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the worksheet yet: %2. The worksheet is held in its queue and the print server tries it again later; check the printer.</source>
        <translation>La impresora «%1» aún no ha podido imprimir la ficha: %2. La ficha se queda en su cola y el servidor de impresión lo volverá a intentar más tarde; revise la impresora.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; stopped before the worksheet was printed: %2. The worksheet stays in its queue and prints when the printer is resumed.</source>
        <translation>La impresora «%1» se detuvo antes de imprimir la ficha: %2. La ficha se queda en su cola y se imprimirá cuando se reanude la impresora.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not print the worksheet: %2. Check the printer, then print the worksheet again.</source>
        <translation>La impresora «%1» no imprimió la ficha: %2. Revise la impresora y vuelva a imprimir la ficha.</translation>
    </message>
    <message>
        <source>The worksheet was saved as %1.</source>
        <translation>La ficha se ha guardado como %1.</translation>
    </message>
    <message>
        <source>no printer is set up; use --output FILE.pdf or --output -</source>
        <translation>no hay ninguna impresora configurada; use --output ARCHIVO.pdf o --output -</translation>
    </message>
    <message>
        <source>The worksheet was not saved. %1</source>
        <translation>La ficha no se ha guardado. %1</translation>
    </message>
    <message>
        <source>The worksheet was not printed. %1</source>
        <translation>La ficha no se ha imprimido. %1</translation>
    </message>
    <message>
        <source>Free some space or choose another place, then try again.</source>
        <translation>Libere espacio o elija otro lugar y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Choose a place where you may write, or ask for permission to write there, then try again.</source>
        <translation>Elija un lugar donde pueda escribir, o pida permiso para escribir allí, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The folder is gone; choose a folder that exists, then try again.</source>
        <translation>La carpeta ya no existe; elija una carpeta que exista y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The disk may have been removed or failed; check it or choose another place, then try again.</source>
        <translation>Puede que el disco se haya retirado o haya fallado; compruébelo o elija otro lugar y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The disk there takes no changes (it is read-only); choose another place, then try again.</source>
        <translation>Ese disco no admite cambios (es de solo lectura); elija otro lugar y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Choose another place, then try again.</source>
        <translation>Elija otro lugar y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>it is on a disk that takes no changes</source>
        <translation>está en un disco que no admite cambios</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>está protegido contra escritura</translation>
    </message>
    <message>
        <source>it belongs to another user, and in this folder only they may replace it</source>
        <translation>pertenece a otro usuario, y en esta carpeta solo él puede sustituirlo</translation>
    </message>
    <message>
        <source>The worksheet has not printed yet: it waits in the queue of the printer &quot;%1&quot; and prints when the printer is back. To cancel it, remove it from the print queue in the printer settings, or run: cancel %2</source>
        <translation>La ficha aún no se ha imprimido: espera en la cola de la impresora «%1» y se imprimirá cuando la impresora vuelva a estar disponible. Para cancelarla, quítela de la cola de impresión en la configuración de la impresora, o ejecute: cancel %2</translation>
    </message>
    <message>
        <source>The worksheet has not printed yet: it waits in the queue of the printer &quot;%1&quot;, which says: %2. It prints when the printer is back. To cancel it, remove it from the print queue in the printer settings, or run: cancel %3</source>
        <translation>La ficha aún no se ha imprimido: espera en la cola de la impresora «%1», que indica: %2. Se imprimirá cuando la impresora vuelva a estar disponible. Para cancelarla, quítela de la cola de impresión en la configuración de la impresora, o ejecute: cancel %3</translation>
    </message>
    <message>
        <source>no print server is running at %1; start the printing service (CUPS), or use --output FILE.pdf or --output -</source>
        <translation>no hay ningún servidor de impresión en %1; inicie el servicio de impresión (CUPS), o use --output ARCHIVO.pdf o --output -</translation>
    </message>
    <message numerus="yes">
        <source> %n job(s) had already been accepted;</source>
        <extracomment>Followed by &quot; the other %n were not sent.&quot;</extracomment>
        <translation>
            <numerusform> %n trabajo ya había sido aceptado;</numerusform>
            <numerusform> %n trabajos ya habían sido aceptados;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> the other %n were not sent.</source>
        <extracomment>The jobs of the worksheets that were not sent; follows &quot; %n job(s) had already been accepted;&quot;</extracomment>
        <translation>
            <numerusform> el último no se envió.</numerusform>
            <numerusform> los otros %n no se enviaron.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The printer &quot;%1&quot; is paused: the %n worksheet(s) wait(s) in its queue and print(s) when the printer is resumed.</source>
        <extracomment>The English form for one says &quot;the worksheet&quot;, without the number.</extracomment>
        <translation>
            <numerusform>La impresora «%1» está en pausa: la ficha espera en su cola y se imprimirá cuando se reanude la impresora.</numerusform>
            <numerusform>La impresora «%1» está en pausa: las %n fichas esperan en su cola y se imprimirán cuando se reanude la impresora.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 %n job(s) had been accepted by the printer &quot;%2&quot;; whether they print cannot be told. %3</source>
        <extracomment>%1 is the print server&apos;s own sentence, %3 a sentence on what to do.</extracomment>
        <translation>
            <numerusform>%1 La impresora «%2» había aceptado %n trabajo; no se puede saber si se imprimirá. %3</numerusform>
            <numerusform>%1 La impresora «%2» había aceptado %n trabajos; no se puede saber si se imprimirán. %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <comment>time waited</comment>
        <extracomment>How long the program waited for the printer; put into the sentences on jobs still waiting in its queue (&quot;after %2&quot;).</extracomment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) of the printer &quot;%1&quot; still wait(s) in its queue after %2; they print when the printer gets to them.</source>
        <translation>
            <numerusform>%n trabajo de la impresora «%1» sigue esperando en su cola después de %2; se imprimirá cuando la impresora lo atienda.</numerusform>
            <numerusform>%n trabajos de la impresora «%1» siguen esperando en su cola después de %2; se imprimirán cuando la impresora los atienda.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n job(s) of the printer &quot;%1&quot; still wait(s) in its queue after %2 (the printer says: %3); they print when the printer gets to them.</source>
        <extracomment>%3 is what the printer itself says, without a full stop.</extracomment>
        <translation>
            <numerusform>%n trabajo de la impresora «%1» sigue esperando en su cola después de %2 (la impresora dice: %3); se imprimirá cuando la impresora lo atienda.</numerusform>
            <numerusform>%n trabajos de la impresora «%1» siguen esperando en su cola después de %2 (la impresora dice: %3); se imprimirán cuando la impresora los atienda.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while opening). %3 %4</source>
        <translation>No se pudo escribir %1: %2 (al abrir). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while creating the new file). %3 %4</source>
        <translation>No se pudo escribir %1: %2 (al crear el archivo nuevo). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while writing). %3 %4</source>
        <translation>No se pudo escribir %1: %2 (al escribir). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while flushing to disk). %3 %4</source>
        <translation>No se pudo escribir %1: %2 (al guardar en el disco). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while closing). %3 %4</source>
        <translation>No se pudo escribir %1: %2 (al cerrar). %3 %4</translation>
    </message>
    <message>
        <source>%1 could not be written: %2 (while putting the new file in place). %3 %4</source>
        <translation>No se pudo escribir %1: %2 (al poner el archivo nuevo en su sitio). %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n worksheet(s) were sent to the printer &quot;%1&quot;, but the print server keeps no record of finished jobs, so whether they printed cannot be told; look at the printer before printing them again.</source>
        <extracomment>The singular form speaks of &quot;The worksheet&quot; without its count.</extracomment>
        <translation>
            <numerusform>Se envió %n ficha a la impresora «%1», pero el servidor de impresión no guarda registro de los trabajos terminados, así que no se puede saber si se imprimió; mire la impresora antes de volver a imprimirla.</numerusform>
            <numerusform>Se enviaron %n fichas a la impresora «%1», pero el servidor de impresión no guarda registro de los trabajos terminados, así que no se puede saber si se imprimieron; mire la impresora antes de volver a imprimirlas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printing service is not running, so the worksheet can be saved as a PDF file instead; start the service to print</source>
        <translation>El servicio de impresión no está en marcha; puede guardar la ficha como archivo PDF; inicie el servicio para imprimir</translation>
    </message>
    <message>
        <source>No printer is set up, so the worksheet can be saved as a PDF file instead</source>
        <translation>No hay ninguna impresora configurada; puede guardar la ficha como archivo PDF</translation>
    </message>
    <message>
        <source>output path of %1 bytes is too long; allowed: a path of at most %2 bytes</source>
        <translation>la ruta de salida de %1 bytes es demasiado larga; se admite: una ruta de %2 bytes como máximo</translation>
    </message>
    <message>
        <source>output path holds a name of %1 bytes; allowed: names of at most %2 bytes</source>
        <translation>la ruta de salida contiene un nombre de %1 bytes; se admiten: nombres de %2 bytes como máximo</translation>
    </message>
    <message>
        <source>Your share of the disk there (your quota) is used up; delete files you no longer need or choose another place, then try again.</source>
        <translation>Su parte del disco en ese lugar (su cuota) se ha agotado; borre archivos que ya no necesite o elija otro lugar y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The network folder could not be reached; check the network or choose another place, then try again.</source>
        <translation>No se pudo llegar a la carpeta de red; compruebe la red o elija otro lugar y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The file is larger than the disk there allows; choose another place, then try again.</source>
        <translation>El archivo es más grande de lo que permite el disco en ese lugar; elija otro lugar y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Choose a shorter file name, then try again.</source>
        <translation>Elija un nombre de archivo más corto y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>A folder has that name now; choose another file name, then try again.</source>
        <translation>Ahora una carpeta tiene ese nombre; elija otro nombre de archivo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Another program is using the file; close it or choose another file name, then try again.</source>
        <translation>Otro programa está usando el archivo; ciérrelo o elija otro nombre de archivo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The computer is short of resources; close some programs, then try again.</source>
        <translation>Al ordenador le faltan recursos; cierre algunos programas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; no longer exists; choose another one in the printer settings or with lpoptions -d NAME, then try again.</source>
        <translation>La impresora predeterminada «%1» ya no existe; elija otra en la configuración de la impresora o con lpoptions -d NOMBRE y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>No print server runs at %1.</source>
        <translation>No hay ningún servidor de impresión en %1.</translation>
    </message>
    <message numerus="yes">
        <source>The print server (%1) did not answer within %n second(s).</source>
        <translation>
            <numerusform>El servidor de impresión (%1) no respondió en %n segundo.</numerusform>
            <numerusform>El servidor de impresión (%1) no respondió en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The print server (%1) broke off the connection.</source>
        <translation>El servidor de impresión (%1) cortó la conexión.</translation>
    </message>
    <message>
        <source>The print server (%1) is busy and turned the request away.</source>
        <translation>El servidor de impresión (%1) está ocupado y rechazó la solicitud.</translation>
    </message>
    <message>
        <source>The printing library could not be loaded (%1). Install the CUPS client library (libcups2), then try again.</source>
        <translation>No se pudo cargar la biblioteca de impresión (%1). Instale la biblioteca cliente de CUPS (libcups2) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The printing library %1 lacks %2. Install a current CUPS client library (libcups2), then try again.</source>
        <translation>A la biblioteca de impresión %1 le falta %2. Instale una versión actual de la biblioteca cliente de CUPS (libcups2) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>no se pudieron dibujar las páginas</translation>
    </message>
    <message>
        <source>The CUPS client library (libcups2) is missing or incomplete, so the worksheet can be saved as a PDF file instead; install it to print</source>
        <translation>La biblioteca cliente de CUPS (libcups2) falta o está incompleta; puede guardar la ficha como archivo PDF; instálela para imprimir</translation>
    </message>
    <message numerus="yes">
        <source>%n worksheet(s) were cancelled at the printer &quot;%1&quot;; print them again if they are still needed.</source>
        <extracomment>Someone cancelled the jobs (at the printer, with the cancel command or in the print queue settings). The singular form speaks of &quot;The worksheet&quot; without its count.</extracomment>
        <translation>
            <numerusform>La ficha se canceló en la impresora «%1»; vuelva a imprimirla si todavía la necesita.</numerusform>
            <numerusform>Se cancelaron %n fichas en la impresora «%1»; vuelva a imprimirlas si todavía las necesita.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wait a moment, then try again.</source>
        <translation>Espere un momento y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>DrillLayout</name>
    <message>
        <source>Add the two numbers together, then drag the correct answer  to the total box.</source>
        <translation>Suma los dos números y arrastra la respuesta correcta a la casilla vacía.</translation>
    </message>
    <message>
        <source>Subtract the two numbers, then drag the correct answer  to the total box.</source>
        <translation>Resta los dos números y arrastra la respuesta correcta a la casilla vacía.</translation>
    </message>
    <message>
        <source>Multiply the two numbers together, then drag the correct answer  to the total box.</source>
        <translation>Multiplica los dos números y arrastra la respuesta correcta a la casilla vacía.</translation>
    </message>
    <message>
        <source>Divide the two numbers , then drag the correct answer  to the total box.</source>
        <translation>Divide los dos números y arrastra la respuesta correcta a la casilla vacía.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that ends the whole program at once.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Next Question</source>
        <extracomment>The button that brings the next problem of the same drill.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Back to Menu</source>
        <translation>Volver al menú</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>dividend</source>
        <translation>dividendo</translation>
    </message>
    <message>
        <source>divisor</source>
        <translation>divisor</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentajes</translation>
    </message>
    <message>
        <source>What Percent of:</source>
        <extracomment>The upper row of the question &quot;What percent of [second number] is [first number]&quot;.</extracomment>
        <translation>¿Qué % de:</translation>
    </message>
    <message>
        <source>is:</source>
        <extracomment>The lower row of the question, before the number that is the part: &quot;is [3]&quot; of &quot;What percent of [4] is [3]&quot;.</extracomment>
        <translation>es:</translation>
    </message>
    <message>
        <source>Answer =</source>
        <translation>Resultado =</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>Answer equals</source>
        <translation>Resultado igual a</translation>
    </message>
    <message>
        <source>+</source>
        <extracomment>Operator sign: addition, between the two numbers of an addition problem.</extracomment>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <extracomment>Operator sign: subtraction, between the two numbers of a subtraction problem.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>X</source>
        <extracomment>Operator sign: multiplication (a capital letter X), between the two numbers of a multiplication problem.</extracomment>
        <translation>×</translation>
    </message>
    <message>
        <source>=</source>
        <extracomment>Operator sign: equals, before the answer box.</extracomment>
        <translation>=</translation>
    </message>
    <message>
        <source>Divide the two numbers , then drag the correct answer  to the total box.</source>
        <comment>percent drill</comment>
        <extracomment>The instruction of the percent drill, which asks what percent one number is of another.</extracomment>
        <translation>Calcula el porcentaje y arrastra la respuesta correcta a la casilla vacía.</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>Answer</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Answer with Alt+1 to Alt+4, or Tab to an answer choice and press Space</source>
        <translation>Responde con Alt+1 a Alt+4, o ve a una respuesta con Tab y pulsa Espacio</translation>
    </message>
    <message>
        <source>Teacher&apos;s Guide</source>
        <translation>Profesorado</translation>
    </message>
    <message>
        <source>Print Test</source>
        <translation>Imprimir una ficha</translation>
    </message>
    <message>
        <source>Please Enter the Grade Level (1-6).</source>
        <translation>Escribe tu curso (1-6).</translation>
    </message>
    <message>
        <source>Grade Level</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Welcome %1!   To The Sumtopia.</source>
        <extracomment>%1 is the child&apos;s first name in capitals; the English design has three blanks after &quot;!&quot;.</extracomment>
        <translation>¡Hola, %1!   Vamos a Sumtopia.</translation>
    </message>
    <message>
        <source>CORRECT %1</source>
        <translation>¡MUY BIEN, %1!</translation>
    </message>
    <message>
        <source>Sorry,Try Again %1</source>
        <translation>Inténtalo otra vez, %1</translation>
    </message>
    <message>
        <source>Tab to Next Question and press Space for a new problem</source>
        <translation>Ve a «Siguiente» con Tab y pulsa Espacio para un nuevo ejercicio</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <extracomment>Said once when a drill opens: the welcome line, the problem, how to answer</extracomment>
        <translation>%1 %2. %3</translation>
    </message>
</context>
<context>
    <name>Subjects</name>
    <message>
        <source>Do You Want Negative Answers Mixed In?</source>
        <translation>¿Desea que también haya resultados negativos?</translation>
    </message>
    <message>
        <source>Answer </source>
        <translation>Solución </translation>
    </message>
    <message>
        <source> Answer </source>
        <translation> Solución </translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Add the following numbers</source>
        <translation>Resuelve las siguientes sumas</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Subtract the following numbers</source>
        <translation>Resuelve las siguientes restas</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Divide the following numbers</source>
        <translation>Resuelve las siguientes divisiones</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Multiply the following numbers</source>
        <translation>Resuelve las siguientes multiplicaciones</translation>
    </message>
    <message>
        <source>Percents</source>
        <translation>Porcentajes</translation>
    </message>
    <message>
        <source>Find the percent of the following numbers</source>
        <translation>Calcula los siguientes porcentajes</translation>
    </message>
    <message>
        <source>IS WHAT PERCENT OF:</source>
        <translation>ES QUÉ % DE:</translation>
    </message>
    <message>
        <source>+</source>
        <extracomment>Operator sign: addition, printed before the second number of a worksheet problem.</extracomment>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <extracomment>Operator sign: subtraction, printed before the second number of a worksheet problem.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>x</source>
        <extracomment>Operator sign: multiplication (a lower-case letter x), printed before the second number of a worksheet problem.</extracomment>
        <translation>×</translation>
    </message>
    <message>
        <source> / </source>
        <extracomment>Operator sign: division, with one blank on each side, between the two numbers of a worksheet problem; keep the blanks.</extracomment>
        <translation> : </translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>%1,%2</source>
        <extracomment>Joins two items of a list that is not yet at its end. The English design writes no blank after the comma.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1,or %2</source>
        <extracomment>Joins the last item of a list of choices. The English design writes no blank after the comma.</extracomment>
        <translation>%1 o %2</translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>standard output</source>
        <translation>en la salida estándar</translation>
    </message>
</context>
<context>
    <name>WorksheetOptions</name>
    <message>
        <source>a PDF file path, or - for standard output</source>
        <translation>una ruta de archivo PDF, o - para la salida estándar</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; allowed: %2</source>
        <translation>opción desconocida «%1»; se admite: %2</translation>
    </message>
    <message>
        <source>option %1 takes no value, but was given &apos;%2&apos;</source>
        <translation>la opción %1 no lleva valor, pero se le dio «%2»</translation>
    </message>
    <message>
        <source>option %1 is missing its value; allowed: %2</source>
        <translation>falta el valor de la opción %1; se admite: %2</translation>
    </message>
    <message>
        <source>value &apos;%1&apos; of %2 holds a control character; allowed: %3</source>
        <translation>el valor «%1» de %2 contiene un carácter de control; se admite: %3</translation>
    </message>
    <message>
        <source>option %1 is given more than once; allowed: once</source>
        <translation>la opción %1 aparece más de una vez; se admite: una vez</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not allowed; allowed: %3</source>
        <translation>%1 «%2» no se admite; se admite: %3</translation>
    </message>
    <message>
        <source>Makes worksheets of twenty problems without opening a window.</source>
        <translation>Crea fichas de veinte ejercicios sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>Each option is given once, as --name VALUE or --name=VALUE.</source>
        <translation>Cada opción se da una sola vez, como --nombre VALOR o --nombre=VALOR.</translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation>OPERACIÓN</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un número entero del %1 al %2</translation>
    </message>
    <message>
        <source>grade level, %1 to %2</source>
        <translation>curso, del %1 al %2</translation>
    </message>
    <message>
        <source>seed, %1 to %2, added to every operand less one</source>
        <translation>semilla, del %1 al %2, que se suma menos uno a cada número</translation>
    </message>
    <message>
        <source>the copy with the answers filled in</source>
        <translation>la hoja de soluciones: los resultados escritos</translation>
    </message>
    <message>
        <source>%1 only: allow negative answers</source>
        <translation>solo %1: permitir resultados negativos</translation>
    </message>
    <message>
        <source>after each sheet, its answer copy with the same problems</source>
        <translation>tras cada ficha, su hoja de soluciones con los mismos ejercicios</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>K sheets in a row, %1 to %2 (default %3)</source>
        <translation>K fichas seguidas, del %1 al %2 (%3 por defecto)</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>write a PDF file; - writes plain text to standard output;
without it the sheets go to the default printer, one job each</source>
        <translation>escribir un archivo PDF; - escribe texto plano en la salida estándar;
sin esta opción las fichas van a la impresora predeterminada, un trabajo cada una</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>a whole number of seconds from %1 to %2</source>
        <translation>un número entero de segundos del %1 al %2</translation>
    </message>
    <message>
        <source>how long to wait for the printer to print the jobs, %1 to %2
(default %3); 0 returns once the printer has taken them</source>
        <translation>cuánto esperar a que la impresora imprima los trabajos, del %1 al %2
(%3 por defecto); con 0 termina en cuanto la impresora los ha recibido</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostrar esta ayuda</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>mostrar la versión</translation>
    </message>
    <message>
        <source>(also %1)</source>
        <translation>(también %1)</translation>
    </message>
    <message>
        <source>output file &apos;%1&apos; cannot be written (%2); allowed: a writable file path or - for standard output</source>
        <translation>no se puede escribir el archivo de salida «%1» (%2); se admite: una ruta de archivo con permiso de escritura o - para la salida estándar</translation>
    </message>
    <message>
        <source>option %1 is missing; allowed: %2</source>
        <translation>falta la opción %1; se admite: %2</translation>
    </message>
    <message>
        <source>unknown subject &apos;%1&apos; for %2; allowed: %3</source>
        <translation>operación desconocida «%1» para %2; se admite: %3</translation>
    </message>
    <message>
        <source>%1 is not allowed with &apos;%2&apos;; allowed with %3 only</source>
        <translation>%1 no se admite con «%2»; solo se admite con %3</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>Begins the help; the lines below it are indented to its width.</extracomment>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>(starts the window)</source>
        <translation>(abre la ventana)</translation>
    </message>
    <message>
        <source>grade</source>
        <extracomment>Names the value of --grade in &quot;grade &apos;7&apos; is not allowed&quot;; where the English word would stand untranslated, write the option: --grade</extracomment>
        <translation>--grade</translation>
    </message>
    <message>
        <source>seed</source>
        <extracomment>Names the value of --seed in &quot;seed &apos;0&apos; is not allowed&quot;; or write the option: --seed</extracomment>
        <translation>--seed</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>Names the value of --count in &quot;count &apos;0&apos; is not allowed&quot;; or write the option: --count</extracomment>
        <translation>--count</translation>
    </message>
    <message>
        <source>wait</source>
        <extracomment>Names the value of --wait-seconds in &quot;wait &apos;-1&apos; is not allowed&quot;; or write the option: --wait-seconds</extracomment>
        <translation>--wait-seconds</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names of a list of allowed values that is not yet at its end</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Joins the last name of a list of allowed values: &quot;division, percent or percents&quot;</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>TAMAÑO</translation>
    </message>
    <message>
        <source>a4 or letter</source>
        <translation>a4 o letter</translation>
    </message>
    <message>
        <source>paper size, a4 or letter; without it a file takes the
locale&apos;s paper (LC_PAPER), a printer its own</source>
        <translation>tamaño del papel, a4 o letter; sin esta opción un archivo usa
el papel de la región (LC_PAPER), una impresora el suyo</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; for %2; allowed: %3</source>
        <translation>papel desconocido «%1» para %2; se admite: %3</translation>
    </message>
    <message>
        <source>The same choices always give the same sheets. A file is replaced only once the new
one is complete.</source>
        <extracomment>Broken into lines of at most 80 characters.</extracomment>
        <translation>Las mismas opciones dan siempre las mismas fichas. Un archivo solo se sustituye
cuando el nuevo está completo.</translation>
    </message>
    <message>
        <source>Exit status: 0 done (jobs left waiting in a printer&apos;s queue are said on standard
error), 1 printing or writing failed, 2 bad input (nothing written).</source>
        <extracomment>Broken into lines of at most 80 characters.</extracomment>
        <translation>Estado de salida: 0 hecho (los trabajos que quedan esperando en la cola de una
impresora se indican en la salida de error), 1 falló la impresión o la
escritura, 2 entrada no válida (no se escribe nada).</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>NAME: </source>
        <translation>NOMBRE: </translation>
    </message>
    <message>
        <source>DATE: </source>
        <translation>FECHA: </translation>
    </message>
</context>
<context>
    <name>frmSelection</name>
    <message>
        <source>Sumtopia:  Choose Your Category Please</source>
        <translation>Sumtopia:  elige una operación</translation>
    </message>
    <message>
        <source>Enter Your First Name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Percent</source>
        <extracomment>The button that opens the percent drill: the arithmetic of percentages.</extracomment>
        <translation>Porcentajes</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that ends the whole program at once.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Math Application Choices</source>
        <translation>Elección de operación</translation>
    </message>
    <message>
        <source>Teacher&apos;s Guide</source>
        <translation>Profesorado</translation>
    </message>
    <message>
        <source>Print Test</source>
        <extracomment>Opens the window where a teacher orders a printed worksheet.</extracomment>
        <translation>Imprimir una ficha</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Licensed for use in classrooms and at home</source>
        <translation>Con licencia para el aula y el hogar</translation>
    </message>
    <message>
        <source>Copyright © 2026</source>
        <translation>Copyright © 2026</translation>
    </message>
    <message>
        <source>The Sumtopia Team</source>
        <translation>El equipo de Sumtopia</translation>
    </message>
    <message>
        <source>Warning: This is a math application for grades 1-6, the weak at heart should not attempt.</source>
        <translation>Aviso: un programa de matemáticas para los cursos 1-6, no apto para corazones débiles.</translation>
    </message>
    <message>
        <source>Math Quiz</source>
        <translation>Reto de mates</translation>
    </message>
    <message>
        <source>%1, Math Quiz</source>
        <translation>%1, Reto de mates</translation>
    </message>
    <message>
        <source>The menu opens in three seconds. A key press now ends the program.</source>
        <translation>El menú se abre en tres segundos. Si pulsas una tecla ahora, el programa se cierra.</translation>
    </message>
</context>
<context>
    <name>frmTeacherAide</name>
    <message>
        <source>Print Test</source>
        <translation>Imprimir una ficha</translation>
    </message>
    <message>
        <source>This Form is Designed to Aid You in the Creation of a Test.</source>
        <translation>Esta ventana le ayuda a crear una ficha de ejercicios.</translation>
    </message>
    <message>
        <source>Enter Grade Level: (1 - 6):</source>
        <translation>Curso (1-6):</translation>
    </message>
    <message>
        <source>Seed for Generator to insure originality (1-20):</source>
        <translation>Semilla del generador aleatorio (1-20):</translation>
    </message>
    <message>
        <source>Would you like a copy of the test with answers?</source>
        <translation>¿Desea la hoja de soluciones?</translation>
    </message>
    <message>
        <source>Due to the nature of a random generator, it will only perform one or the other</source>
        <translation>Por el generador aleatorio, se imprime la ficha o la hoja de soluciones, no ambas</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Submit</source>
        <extracomment>Prints the worksheet ordered in this window.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Teachers Aide</source>
        <translation>Fichas para el profesorado</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>Elija una operación</translation>
    </message>
    <message>
        <source>Subject</source>
        <extracomment>The title of the message that asks for the arithmetic subject.</extracomment>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Please Enter A Grade Level</source>
        <translation>Elija un curso</translation>
    </message>
    <message>
        <source>Grade</source>
        <extracomment>The title of the message that asks for the school grade, 1 to 6.</extracomment>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Please enter seed from 1 to 20</source>
        <translation>Elija una semilla del 1 al 20</translation>
    </message>
    <message>
        <source>Seed</source>
        <extracomment>The title of the message that asks for the worksheet&apos;s number, 1 to 20.</extracomment>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Enter the Subject: %1: </source>
        <extracomment>%1 is the list of the subjects the list box beside it offers, &quot;Addition, ... or Percents&quot;. The English design ends with a blank.</extracomment>
        <translation>Elija la operación: %1: </translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>closes this window only</comment>
        <extracomment>The button closes this window and goes back to the menu; the program goes on.</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>sumtopia: the window cannot be shown: %1; start the program in a desktop session, or make worksheets without a window (sumtopia --help)
</source>
        <translation>sumtopia: no se puede mostrar la ventana: %1; inicie el programa en una sesión de escritorio o cree fichas sin ventana (sumtopia --help)
</translation>
    </message>
    <message>
        <source>sumtopia: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start the program in a desktop session, or make worksheets without a window (sumtopia --help)
</source>
        <translation>sumtopia: no hay pantalla donde mostrar la ventana (no está definida ni DISPLAY ni WAYLAND_DISPLAY); inicie el programa en una sesión de escritorio o cree fichas sin ventana (sumtopia --help)
</translation>
    </message>
</context>
</TS>
