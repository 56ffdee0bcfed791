<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutPage</name>
    <message>
        <location filename="../src/wizard/aboutpage.cpp" line="+14"/>
        <source>Larkspan 1.1</source>
        <translation>Larkspan 1.1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Larkspan was developed for anyone wanting to make a web page, but didn&apos;t know how. It is created for the novice user in mind and also powerful enough for a veteran web page designer which makes it a tool everyone should use. I you have any comments or suggestions about Larkspan please let me know at</source>
        <translation>Larkspan se creó para cualquiera que quiera hacer una página web y no sepa cómo. Está pensado para el usuario principiante, pero es lo bastante potente para un diseñador web veterano, lo que lo convierte en una herramienta que todo el mundo debería usar. Si tiene algún comentario o sugerencia sobre Larkspan, escríbame a</translation>
    </message>
</context>
<context>
    <name>BulletListPage</name>
    <message>
        <location filename="../src/wizard/bulletlistpage.cpp" line="+25"/>
        <source>Disc</source>
        <translation>Disco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Current List Items: %1</source>
        <translation>Elementos en la lista: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bullet list provide traditional indented items to your page. They are ideal for listing specific items you would like to set apart from the body of text.</source>
        <translation>Las listas de viñetas añaden a su página elementos sangrados de la forma tradicional. Son ideales para enumerar elementos concretos que quiera destacar del resto del texto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bulleted Item Description</source>
        <translation>Descripción del elemento</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Add Item</source>
        <translation>Añadir &amp;elemento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bullet items</source>
        <translation>Elementos de la lista de viñetas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Remove Item</source>
        <translation>&amp;Quitar elemento</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The list can hold at most %1 items.</source>
        <translation>La lista admite como máximo %1 elementos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
</context>
<context>
    <name>ColorMenus</name>
    <message>
        <location filename="../src/colours/colormenus.cpp" line="+25"/>
        <source>&amp;Custom...</source>
        <translation>Per&amp;sonalizado...</translation>
    </message>
</context>
<context>
    <name>ColourPage</name>
    <message>
        <location filename="../src/colours/colorattribute.h" line="+41"/>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backg&amp;round Color</source>
        <translation>Color de &amp;fondo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color1</source>
        <translation>Color1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Text Color</source>
        <translation>Color del &amp;texto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color2</source>
        <translation>Color2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Link Color</source>
        <translation>Color de &amp;enlace</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Color3</source>
        <translation>Color3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visited Link</source>
        <translation>Enlace visitado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Visited Link Color</source>
        <translation>Color de enlace &amp;visitado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color4</source>
        <translation>Color4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Link</source>
        <translation>Enlace activo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Active Link Color</source>
        <translation>Color de enlace act&amp;ivo</translation>
    </message>
    <message>
        <location filename="../src/colours/colourpage.cpp" line="+115"/>
        <source>Select the color style of your web page. Choose Default or Choose Custom Colors then check the desired page color properties and select a color.</source>
        <translation>Seleccione los colores de su página web. Elija «Colores predeterminados» o «Colores personalizados»; en el segundo caso, marque los colores de la página que quiera cambiar y elija un color para cada uno.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Default Colors</source>
        <translation>Colores pre&amp;determinados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;ustom Colors</source>
        <translation>Colores &amp;personalizados</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Select a Color</source>
        <translation>Seleccione un color</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/colours/colourpreview.cpp" line="+14"/>
        <source>Page Preview</source>
        <translation>Vista previa de la página</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Include Background I&amp;mage</source>
        <translation>Incluir i&amp;magen de fondo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Background image file</source>
        <translation>Archivo de la imagen de fondo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Browse for Image</source>
        <translation>Examinar para elegir una imagen</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>none chosen</source>
        <translation>sin elegir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/colours/namedcolors.h" line="+34"/>
        <source>&amp;Aqua</source>
        <translation>&amp;Aguamarina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Black</source>
        <translation>&amp;Negro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bl&amp;ue</source>
        <translation>A&amp;zul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fuchsia</source>
        <translation>&amp;Fucsia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Gray</source>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gr&amp;een</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Lime</source>
        <translation>&amp;Lima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Maroon</source>
        <translation>Granat&amp;e</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Navy</source>
        <translation>Azul &amp;marino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Olive</source>
        <translation>&amp;Oliva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Purple</source>
        <translation>&amp;Púrpura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Red</source>
        <translation>&amp;Rojo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Silver</source>
        <translation>Pla&amp;ta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Teal</source>
        <translation>Verde az&amp;ulado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;White</source>
        <translation>&amp;Blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yellow</source>
        <translation>Amar&amp;illo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="+57"/>
        <source>Usage: larkspan [--help | --version | PAGE]
</source>
        <translation>Uso: larkspan [--help | --version | PÁGINA]
</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Usage: larkspan [OPTION] [PAGE]
Makes a web page step by step, without your having to know HTML.
Without an option it opens the wizard; with PAGE, a page that Larkspan saved
earlier, it opens the wizard with that page&apos;s answers on every step.

  -h, --help     print this help and exit
  -v, --version  print the version and exit

Qt&apos;s standard options work as in every program made with Qt, among them
-style STYLE, -stylesheet FILE, -reverse and -platform NAME.
</source>
        <translation>Uso: larkspan [OPCIÓN] [PÁGINA]
Crea una página web paso a paso, sin necesidad de saber HTML.
Sin opciones abre el asistente; con PÁGINA, una página que Larkspan guardó
antes, abre el asistente con las respuestas de esa página en cada paso.

  -h, --help     muestra esta ayuda y termina
  -v, --version  muestra la versión y termina

Las opciones estándar de Qt funcionan como en cualquier programa hecho con Qt,
entre ellas -style ESTILO, -stylesheet ARCHIVO, -reverse y -platform NOMBRE.
</translation>
    </message>
    <message>
        <location filename="../src/app/displayguard.cpp" line="+38"/>
        <source>larkspan: no display found; it needs a graphical desktop (X11 or Wayland)
</source>
        <translation>larkspan: no se encontró ninguna pantalla; necesita un escritorio gráfico (X11 o Wayland)
</translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <location filename="../src/wizard/finishpage.cpp" line="+54"/>
        <source>Layout Style:</source>
        <translation>Estilo de diseño:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Colors:   Default</source>
        <extracomment>The summary&apos;s line before the page is entered: a label, three blanks, the value &quot;Default&quot; as below</extracomment>
        <translation>Colores de la página:   Predeterminados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background Image:   None</source>
        <translation>Imagen de fondo:   Ninguna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page Image:   None</source>
        <translation>Imagen de la página:   Ninguna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Lists:   0</source>
        <translation>Número de viñetas:   0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Links:   0</source>
        <translation>Número de enlaces:   0</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish up your web page!</source>
        <translation>¡Termine su página web!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Larkspan Summary</source>
        <translation>Resumen de Larkspan</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Include your email address: eg. someone@example.com</source>
        <translation>Incluya su dirección de correo electrónico: p. ej., alguien@example.com</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you&apos;d like to see what your web page looks like behind the scenes, select the Source Browser button.</source>
        <translation>Si quiere ver cómo es su página web por dentro, pulse el botón «Visor de código fuente».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Source Browser</source>
        <translation>Visor de código fuente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview in Browser</source>
        <translation>Vista previa en el navegador</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>None</source>
        <extracomment>The summary&apos;s value for a picture that the page does not show</extracomment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Layout Style:   </source>
        <translation>Estilo de diseño:   </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Colors:   </source>
        <extracomment>A summary label, followed by its value; the three blanks set the value apart</extracomment>
        <translation>Colores de la página:   </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Custom</source>
        <extracomment>The summary&apos;s value of the page colours: chosen by the user, or the browser&apos;s own</extracomment>
        <translation>Personalizados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <extracomment>The summary&apos;s value of the page colours: chosen by the user, or the browser&apos;s own</extracomment>
        <translation>Predeterminados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Background Image:   </source>
        <translation>Imagen de fondo:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page Image:   </source>
        <translation>Imagen de la página:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Lists:   </source>
        <translation>Número de viñetas:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Links:   </source>
        <translation>Número de enlaces:   </translation>
    </message>
    <message>
        <location line="+89"/>
        <source>The preview could not be written:<byte value="xd"/>
%1</source>
        <translation>No se pudo escribir la vista previa:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <location line="+51"/>
        <location line="+15"/>
        <location line="+44"/>
        <location line="+16"/>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
    <message>
        <location line="-128"/>
        <source>No web browser could be started to show the preview. The page is in<byte value="xd"/>
%1</source>
        <translation>No se pudo iniciar ningún navegador web para mostrar la vista previa. La página está en<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 (not found)</source>
        <translation>%1 (no encontrada)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The page shows pictures that are not in the folder you saved it to, so a browser will not find them:</source>
        <translation>La página muestra imágenes que no están en la carpeta donde la ha guardado, así que un navegador no las encontrará:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy them into that folder?</source>
        <translation>¿Desea copiarlas a esa carpeta?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 was not copied: another file of that name is in that folder, and it was left as it is.</source>
        <translation>%1 no se ha copiado: en esa carpeta ya hay otro archivo con ese nombre, y se ha dejado como estaba.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could not be copied: %2</source>
        <translation>No se pudo copiar %1: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save your web page</source>
        <translation>Guardar su página web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HTML Files (*.htm,*.html)</source>
        <translation>Archivos HTML (*.htm,*.html)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plain Text Files (*.txt)</source>
        <translation>Archivos de texto sin formato (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Untitled</source>
        <extracomment>The file name the save dialog suggests for a new page (a file name: no slashes)</extracomment>
        <translation>Sin título</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Your web page could not be saved as<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se pudo guardar su página web como<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Congradulations on your successful Web Page.</source>
        <translation>Enhorabuena por su nueva página web.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larkspan has given you a fantastic</source>
        <translation>Larkspan le ha dado un punto de partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>place to start. Now you can tinker with the HTML</source>
        <translation>fantástico. Ahora puede retocar el HTML</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and become the next pro!</source>
        <translation>¡y convertirse en todo un profesional!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Would you like to create another?</source>
        <translation>¿Desea crear otra?</translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <location filename="../src/wizard/layoutpage.cpp" line="+25"/>
        <source>Choose a Layout</source>
        <translation>Elija un diseño</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style</source>
        <translation>Estilo básico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style Image Left</source>
        <translation>Estilo básico, imagen a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style Image Right</source>
        <translation>Estilo básico, imagen a la derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table Style Image Left</source>
        <translation>Estilo de tabla, imagen a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table Style Image Right</source>
        <translation>Estilo de tabla, imagen a la derecha</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Basic Style is the simplest layout style. The heading is centered at the top with text below, an image, links and the footer at the bottom.</source>
        <translation>El estilo básico es el diseño más sencillo. El encabezado va centrado arriba, con el texto debajo, una imagen, los enlaces y el pie de página al final.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic Style Image Left has heading centered at the top with the image aligned on the left with text flowing around the image, links, and the footer at the bottom.</source>
        <translation>Estilo básico con la imagen a la izquierda: el encabezado va centrado arriba y la imagen alineada a la izquierda, con el texto a su alrededor; los enlaces y el pie de página van al final.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic Style Image Right has heading centered at the top with the image aligned on the right with text flowing around the image, links, and the footer at the bottom.</source>
        <translation>Estilo básico con la imagen a la derecha: el encabezado va centrado arriba y la imagen alineada a la derecha, con el texto a su alrededor; los enlaces y el pie de página van al final.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Table Style Image Left use a hidden table to separate the image from the text. The header is centered at the top, an image on the left, text on the right with links and footer items below.</source>
        <translation>El estilo de tabla con la imagen a la izquierda usa una tabla invisible para separar la imagen del texto. El encabezado va centrado arriba, la imagen a la izquierda y el texto a la derecha, con los enlaces y el pie de página debajo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Table Style Image Right use a hidden table to separate the image from the text. The header is centered at the top, an image on the right, text on the left with links and footer items below.</source>
        <translation>El estilo de tabla con la imagen a la derecha usa una tabla invisible para separar la imagen del texto. El encabezado va centrado arriba, la imagen a la derecha y el texto a la izquierda, con los enlaces y el pie de página debajo.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Select a layout style for your web page.</source>
        <translation>Seleccione un estilo de diseño para su página web.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Preview</source>
        <translation>Vista previa de la página</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Layout style</source>
        <translation>Estilo de diseño</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Title of your web page. eg: My Home Page</source>
        <translation>Título de su página web. P. ej.: Mi página personal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Heading</source>
        <translation>Encabezado de la página</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Please select a layout style before proceeding.</source>
        <translation>Seleccione un estilo de diseño antes de continuar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
</context>
<context>
    <name>LinksPage</name>
    <message>
        <location filename="../src/wizard/linkspage.cpp" line="+21"/>
        <source>Current Links: %1</source>
        <translation>Enlaces en la lista: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add some links to your page. Links provide a way for people to visit other sites and pages.</source>
        <translation>Añada algunos enlaces a su página. Los enlaces permiten a los visitantes ir a otros sitios y páginas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Default Link Style</source>
        <translation>Estilo de enlace &amp;predeterminado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Combo Bo&amp;x (JavaScript)</source>
        <translation>Lista &amp;desplegable (JavaScript)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Link Address: eg. http://www.example.com/</source>
        <translation>Dirección del enlace: p. ej., http://www.example.com/</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link Description: eg. Click here</source>
        <translation>Descripción del enlace: p. ej., Pulse aquí</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Link</source>
        <translation>Añadir en&amp;lace</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Remove Link</source>
        <translation>&amp;Quitar enlace</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Please include both Link Address and Link Description.</source>
        <translation>Indique tanto la dirección como la descripción del enlace.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The list can hold at most %1 links.</source>
        <translation>La lista admite como máximo %1 enlaces.</translation>
    </message>
</context>
<context>
    <name>LoadPageFile</name>
    <message>
        <location filename="../src/files/pagefile.cpp" line="+128"/>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its symbolic links lead round in a loop.</source>
        <translation>Sus enlaces simbólicos forman un bucle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may not enter a folder on its path.</source>
        <translation>No tiene permiso para entrar en una de las carpetas de su ruta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its name is too long for the system.</source>
        <translation>Su nombre es demasiado largo para el sistema.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A part of its path is a file, not a folder.</source>
        <translation>Una parte de su ruta es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It cannot be found: %1</source>
        <translation>No se puede encontrar: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>title</source>
        <extracomment>The fields below are put into the messages about a page that cannot be opened, as %1</extracomment>
        <translation>título</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>heading</source>
        <translation>encabezado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>background colour</source>
        <translation>color de fondo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>text colour</source>
        <translation>color del texto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link colour</source>
        <translation>color de enlace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>visited link colour</source>
        <translation>color de enlace visitado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>active link colour</source>
        <translation>color de enlace activo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>background picture&apos;s name</source>
        <translation>nombre de la imagen de fondo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>page picture&apos;s name</source>
        <translation>nombre de la imagen de la página</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>page text</source>
        <translation>texto de la página</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bullet list</source>
        <translation>lista de viñetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link list</source>
        <translation>lista de enlaces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e-mail address</source>
        <translation>dirección de correo electrónico</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Its page text is %1 bytes long; the Text step holds at most %2 bytes.</source>
        <translation>El texto de la página ocupa %1 bytes; el paso «Texto» admite como máximo %2 bytes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Its %1 is %2 characters long; its box holds at most %3.</source>
        <extracomment>%1 is a field such as &quot;title&quot;</extracomment>
        <translation>El campo «%1» tiene %2 caracteres; el cuadro admite como máximo %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Its page text holds a line break that the text box would change: a CR without LF, or a Unicode line or paragraph separator.</source>
        <translation>El texto de la página contiene un salto de línea que el cuadro de texto cambiaría: un CR sin LF, o un separador de línea o de párrafo de Unicode.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its %1 holds a line break, which its one-line box cannot hold.</source>
        <translation>El campo «%1» contiene un salto de línea, que el cuadro de una sola línea no admite.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its %1 has %2 entries; the list holds at most %3.</source>
        <translation>El campo «%1» tiene %2 entradas; la lista admite como máximo %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its %1 is &quot;%2&quot;: the Colors step shows only #RRGGBB and the 16 colour names of HTML 3.2.</source>
        <translation>El campo «%1» vale «%2»: el paso «Colores» solo muestra #RRGGBB y los 16 nombres de color de HTML 3.2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Its text is neither the program&apos;s ASCII, nor UTF-8, nor the ANSI code page.</source>
        <translation>El texto no está codificado en el ASCII del programa, ni en UTF-8, ni en la página de códigos ANSI.</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>This file is empty: it holds no page.</source>
        <translation>Este archivo está vacío: no contiene ninguna página.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This file is not a page made by Larkspan: it does not begin with Larkspan&apos;s comment lines.</source>
        <translation>Este archivo no es una página hecha con Larkspan: no empieza con las líneas de comentario de Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This file is not a page made by Larkspan: its head is not the one Larkspan writes.</source>
        <translation>Este archivo no es una página hecha con Larkspan: su cabecera no es la que escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This page was changed after Larkspan saved it: line %1 is not as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la línea %1 no es como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>This page was changed after Larkspan saved it: the title line is not as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la línea del título no es como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the head does not end as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la cabecera no termina como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the BODY tag is not as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la etiqueta BODY no es como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page heading is not as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: el encabezado de la página no es como lo escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the table is not as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la tabla no es como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page image is not as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la imagen de la página no es como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page text does not begin as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: el texto de la página no empieza como lo escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page text does not end as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: el texto de la página no termina como lo escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the bullet list does not begin as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la lista de viñetas no empieza como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the bullet list does not end as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la lista de viñetas no termina como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the link list does not begin as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la lista de enlaces no empieza como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: a link of the link list is not as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: un enlace de la lista de enlaces no es como lo escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the jump menu of the link list is not as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la lista desplegable de los enlaces no es como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the script in its head does not fit its link list.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: el script de su cabecera no corresponde a su lista de enlaces.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the link list does not end as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la lista de enlaces no termina como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the e-mail line of the footer is not as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la línea del correo electrónico del pie de página no es como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the footer is not as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: el pie de página no es como lo escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page does not end as Larkspan writes it.</source>
        <translation>Esta página se modificó después de que Larkspan la guardara: la página no termina como la escribe Larkspan.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>It is not a regular file, but a folder, a pipe, a device or a socket.</source>
        <translation>No es un archivo normal, sino una carpeta, una tubería, un dispositivo o un socket.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is larger than 16 MB: no page made by Larkspan is that large.</source>
        <translation>Ocupa más de 16 MB: ninguna página hecha con Larkspan es tan grande.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+10"/>
        <source>It cannot be read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <location filename="../src/ui/picturedialog.cpp" line="+15"/>
        <source>Select an Image</source>
        <translation>Seleccione una imagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Web Images (*.gif,*.jpg,*.jpeg,*.png,*.webp)</source>
        <translation>Imágenes web (*.gif,*.jpg,*.jpeg,*.png,*.webp)</translation>
    </message>
</context>
<context>
    <name>PreviewPicture</name>
    <message>
        <location filename="../src/images/previewpicture.cpp" line="+135"/>
        <source>the file does not exist.</source>
        <translation>el archivo no existe.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is a folder, not a picture file.</source>
        <translation>es una carpeta, no un archivo de imagen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is not a regular file (a pipe, a device or a socket).</source>
        <translation>no es un archivo normal (es una tubería, un dispositivo o un socket).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file cannot be opened.</source>
        <translation>no se puede abrir el archivo.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is not a picture in a format that can be read.</source>
        <translation>no es una imagen en un formato que se pueda leer.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../src/platform/qtplatform.cpp" line="+125"/>
        <source>%1
This file does not exist.
Create the file?</source>
        <translation>%1
Este archivo no existe.
¿Desea crearlo?</translation>
    </message>
</context>
<context>
    <name>SavePageFile</name>
    <message>
        <location filename="../src/files/pagefile.cpp" line="-302"/>
        <source>This name belongs to a folder, not to a file; a web page can only replace a regular file.</source>
        <translation>Este nombre pertenece a una carpeta, no a un archivo; una página web solo puede reemplazar un archivo normal.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a named pipe, not to a file; a web page can only replace a regular file.</source>
        <translation>Este nombre pertenece a una tubería con nombre, no a un archivo; una página web solo puede reemplazar un archivo normal.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a socket, not to a file; a web page can only replace a regular file.</source>
        <translation>Este nombre pertenece a un socket, no a un archivo; una página web solo puede reemplazar un archivo normal.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a device, not to a file; a web page can only replace a regular file.</source>
        <translation>Este nombre pertenece a un dispositivo, no a un archivo; una página web solo puede reemplazar un archivo normal.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This name belongs to something else, not to a file; a web page can only replace a regular file.</source>
        <translation>Este nombre pertenece a otra cosa, no a un archivo; una página web solo puede reemplazar un archivo normal.</translation>
    </message>
</context>
<context>
    <name>TextPage</name>
    <message>
        <location filename="../src/files/textimport.cpp" line="+82"/>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its size cannot be read: it is not a plain file.</source>
        <translation>No se puede leer su tamaño: no es un archivo normal.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+18"/>
        <source>It cannot be read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+23"/>
        <source>The text box is limited to only 32k.</source>
        <translation>El cuadro de texto admite como máximo 32 KB.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a plain text file: it holds NUL bytes.</source>
        <translation>No es un archivo de texto sin formato: contiene bytes NUL.</translation>
    </message>
    <message>
        <location filename="../src/wizard/textpage.cpp" line="+37"/>
        <source>Add some text to your web page or import a text file into your web page.</source>
        <translation>Añada texto a su página web o importe un archivo de texto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Page text</source>
        <translation>Texto de la página</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable Key &amp;Mask</source>
        <translation>Activar &amp;máscara de tecla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter Key = &lt;B&amp;R&gt;</source>
        <extracomment>&lt;BR&gt; (line break) and &lt;P&gt; (paragraph) are HTML tags, which Enter then types: keep them as they are</extracomment>
        <translation>Tecla Intro = &lt;B&amp;R&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Key = &lt;&amp;P&gt;</source>
        <translation>Tecla Intro = &lt;&amp;P&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Indent Selection</source>
        <translation>Sangrar la selección</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Plain Text File</source>
        <translation>Importar un archivo de texto sin formato</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Import a Text File</source>
        <translation>Importar un archivo de texto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plain Text Files (*.txt)</source>
        <translation>Archivos de texto sin formato (*.txt)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>There was a problem opening the data file.</source>
        <translation>Hubo un problema al abrir el archivo de datos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <location filename="../src/wizard/welcomepage.cpp" line="+15"/>
        <source>Welcome to Larkspan! The easiest way to make a home page. Larkspan includes a series of questions about the style and look of your page as well if you want to include images, text, links and much more! It&apos;s as easy as filling in blanks. When you&apos;re done you&apos;ll have a great looking page that rivals those made by the pros!</source>
        <translation>¡Le damos la bienvenida a Larkspan, la forma más fácil de crear una página personal! Larkspan le hace una serie de preguntas sobre el estilo y el aspecto de su página, y sobre si quiere incluir imágenes, texto, enlaces ¡y mucho más! Es tan fácil como rellenar huecos. Cuando termine, tendrá una página estupenda que no tiene nada que envidiar a las de los profesionales.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Click the Start button to begin !</source>
        <translation>¡Pulse el botón Empezar para crear su página!</translation>
    </message>
</context>
<context>
    <name>larkspan::FilePropertiesWindow</name>
    <message>
        <location filename="../src/platform/filepropertieswindow.cpp" line="+54"/>
        <source>%1 Properties</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 píxeles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
</context>
<context>
    <name>larkspan::HelpWindow</name>
    <message>
        <location filename="../src/platform/helpwindow.cpp" line="+33"/>
        <source>Larkspan Help</source>
        <translation>Ayuda de Larkspan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>No help file has been named.</source>
        <translation>No se ha indicado ningún archivo de ayuda.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The help file %1 cannot be found.</source>
        <translation>No se encuentra el archivo de ayuda %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 cannot be read because it is a folder.</source>
        <translation>No se puede leer el archivo de ayuda %1 porque es una carpeta.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de ayuda %1: %2.</translation>
    </message>
</context>
<context>
    <name>larkspan::ImagePage</name>
    <message>
        <location filename="../src/images/imagepage.cpp" line="+62"/>
        <source>Select an image for your web page. It&apos;s a good it idea to select an image that isn&apos;t too large since it will increase the page&apos;s download time.</source>
        <translation>Seleccione una imagen para su página web. Conviene elegir una imagen que no sea demasiado grande, ya que aumenta el tiempo de descarga de la página.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Include I&amp;mage</source>
        <translation>Incluir &amp;imagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Image file name</source>
        <translation>Nombre del archivo de imagen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Browse for Image</source>
        <translation>Examinar para elegir una imagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Image Dimensions:</source>
        <translation>Dimensiones de la imagen:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image Preview</source>
        <translation>Vista previa de la imagen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Scroll the preview sideways</source>
        <translation>Desplazar la vista previa horizontalmente</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scroll the preview up and down</source>
        <translation>Desplazar la vista previa verticalmente</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Image Properties</source>
        <translation>&amp;Propiedades de la imagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The picture %1 cannot be shown: %2</source>
        <translation>No se puede mostrar la imagen %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+124"/>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>This picture is too large to show here. Its name and size go into the page.</source>
        <translation>Esta imagen es demasiado grande para mostrarla aquí. Su nombre y su tamaño se incluirán en la página.</translation>
    </message>
</context>
<context>
    <name>larkspan::PageDropTarget</name>
    <message>
        <location filename="../src/wizard/pagedroptarget.cpp" line="+72"/>
        <source>Replace the answers you have made with those of the page %1?</source>
        <translation>¿Desea reemplazar sus respuestas por las de la página %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
</context>
<context>
    <name>larkspan::frmEdit</name>
    <message>
        <location filename="../src/source_browser/frmedit.cpp" line="+17"/>
        <source>Source Browser - Read Only</source>
        <translation>Visor de código fuente - Solo lectura</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page source</source>
        <translation>Código fuente de la página</translation>
    </message>
</context>
<context>
    <name>larkspan::frmWiz</name>
    <message>
        <location filename="../src/wizard/frmwiz.cpp" line="+207"/>
        <location line="+339"/>
        <location filename="../src/wizard/steps.cpp" line="+20"/>
        <source>&amp;Start &gt;</source>
        <translation>&amp;Empezar &gt;</translation>
    </message>
    <message>
        <location line="-339"/>
        <location line="+103"/>
        <location filename="../src/wizard/steps.cpp" line="+1"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <location line="-103"/>
        <location filename="../src/wizard/steps.cpp" line="+52"/>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+380"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="-380"/>
        <location line="+101"/>
        <location filename="../src/wizard/steps.cpp" line="-41"/>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+100"/>
        <location line="+240"/>
        <location filename="../src/wizard/steps.cpp" line="+62"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="-339"/>
        <location line="+97"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+98"/>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>The page %1 cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se puede abrir la página %1.<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+170"/>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
    <message>
        <location line="-28"/>
        <location filename="../src/wizard/steps.cpp" line="-14"/>
        <location line="+12"/>
        <source>Larkspan 1.1</source>
        <translation>Larkspan 1.1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>No se puede mostrar el contenido de la ayuda. Este proyecto no tiene ninguna ayuda asociada.</translation>
    </message>
    <message>
        <location filename="../src/wizard/steps.cpp" line="-62"/>
        <location line="+73"/>
        <source>Larkspan 1.1 - Select a page layout</source>
        <translation>Larkspan 1.1 - Seleccione el diseño de la página</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+67"/>
        <source>Larkspan 1.1 - Select the color for your page</source>
        <translation>Larkspan 1.1 - Seleccione los colores de su página</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>Larkspan 1.1 - Select an image for your page</source>
        <translation>Larkspan 1.1 - Seleccione una imagen para su página</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+66"/>
        <source>Larkspan 1.1 - Add some text to your page</source>
        <translation>Larkspan 1.1 - Añada texto a su página</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+66"/>
        <source>Larkspan 1.1 - Add a Bullet List</source>
        <translation>Larkspan 1.1 - Añada una lista de viñetas</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Larkspan 1.1 - Add links to your page</source>
        <translation>Larkspan 1.1 - Añada enlaces a su página</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Larkspan 1.1- Final Step: Finish your page</source>
        <translation>Larkspan 1.1 - Último paso: termine su página</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Larkspan 1.1 - Select an image for your page </source>
        <translation>Larkspan 1.1 - Seleccione una imagen para su página</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Larkspan 1.1- Add links to your page</source>
        <translation>Larkspan 1.1 - Añada enlaces a su página</translation>
    </message>
</context>
</TS>
