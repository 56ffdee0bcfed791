<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Larkspan wurde für alle entwickelt, die eine Webseite erstellen möchten, aber nicht wissen, wie das geht. Es ist für Einsteiger gedacht und zugleich leistungsfähig genug für erfahrene Webdesigner – ein Werkzeug, das jeder verwenden sollte. Wenn Sie Anmerkungen oder Vorschläge zu Larkspan haben, schreiben Sie mir bitte an</translation>
    </message>
</context>
<context>
    <name>BulletListPage</name>
    <message>
        <location filename="../src/wizard/bulletlistpage.cpp" line="+25"/>
        <source>Disc</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Current List Items: %1</source>
        <translation>Listeneinträge: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bullet list provide traditional indented items to your page. They are ideal for listing specific items you would like to set apart from the body of text.</source>
        <translation>Eine Aufzählung fügt Ihrer Seite eingerückte Einträge hinzu, jeden mit einem Aufzählungszeichen davor. Sie eignet sich gut für einzelne Punkte, die sich vom übrigen Text abheben sollen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bulleted Item Description</source>
        <translation>Text des Listeneintrags</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Add Item</source>
        <translation>&amp;Eintrag hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bullet items</source>
        <translation>Listeneinträge</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Remove Item</source>
        <translation>Eintrag ent&amp;fernen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The list can hold at most %1 items.</source>
        <translation>Die Liste kann höchstens %1 Einträge aufnehmen.</translation>
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
        <translation>&amp;Eigene Farbe …</translation>
    </message>
</context>
<context>
    <name>ColourPage</name>
    <message>
        <location filename="../src/colours/colorattribute.h" line="+41"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backg&amp;round Color</source>
        <translation>Hinter&amp;grundfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color1</source>
        <translation>Farbe1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Text Color</source>
        <translation>&amp;Textfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color2</source>
        <translation>Farbe2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Link Color</source>
        <translation>&amp;Linkfarbe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Color3</source>
        <translation>Farbe3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visited Link</source>
        <translation>Besuchter Link</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Visited Link Color</source>
        <translation>Farbe &amp;besuchter Links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color4</source>
        <translation>Farbe4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Link</source>
        <translation>Aktiver Link</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Active Link Color</source>
        <translation>Farbe a&amp;ktiver Links</translation>
    </message>
    <message>
        <location filename="../src/colours/colourpage.cpp" line="+115"/>
        <source>Select the color style of your web page. Choose Default or Choose Custom Colors then check the desired page color properties and select a color.</source>
        <translation>Wählen Sie die Farben Ihrer Webseite. Wählen Sie „Standardfarben“ oder „Eigene Farben“, kreuzen Sie dann die Seitenfarben an, die Sie festlegen möchten, und wählen Sie jeweils eine Farbe.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Default Colors</source>
        <translation>&amp;Standardfarben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;ustom Colors</source>
        <translation>&amp;Eigene Farben</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Select a Color</source>
        <translation>Farbe auswählen</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/colours/colourpreview.cpp" line="+14"/>
        <source>Page Preview</source>
        <translation>Seitenvorschau</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Include Background I&amp;mage</source>
        <translation>Hintergrundbild &amp;verwenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Background image file</source>
        <translation>Datei des Hintergrundbilds</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Browse for Image</source>
        <translation>Bild suchen</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>none chosen</source>
        <translation>keine gewählt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/colours/namedcolors.h" line="+34"/>
        <source>&amp;Aqua</source>
        <translation>&amp;Cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Black</source>
        <translation>&amp;Schwarz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bl&amp;ue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fuchsia</source>
        <translation>&amp;Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Gray</source>
        <translation>&amp;Grau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gr&amp;een</source>
        <translation>Grü&amp;n</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Lime</source>
        <translation>&amp;Hellgrün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Maroon</source>
        <translation>&amp;Dunkelrot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Navy</source>
        <translation>M&amp;arineblau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Olive</source>
        <translation>&amp;Oliv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Purple</source>
        <translation>&amp;Violett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Silver</source>
        <translation>S&amp;ilber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Teal</source>
        <translation>&amp;Petrol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;White</source>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yellow</source>
        <translation>Ge&amp;lb</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="+57"/>
        <source>Usage: larkspan [--help | --version | PAGE]
</source>
        <translation>Aufruf: larkspan [--help | --version | SEITE]
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
        <translation>Aufruf: larkspan [OPTION] [SEITE]
Erstellt Schritt für Schritt eine Webseite, ohne dass Sie HTML kennen müssen.
Ohne Option öffnet sich der Assistent; mit SEITE, einer früher von Larkspan
gespeicherten Seite, zeigt der Assistent in jedem Schritt deren Antworten.

  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden

Die Standardoptionen von Qt gelten wie in jedem mit Qt erstellten Programm,
darunter -style STIL, -stylesheet DATEI, -reverse und -platform NAME.
</translation>
    </message>
    <message>
        <location filename="../src/app/displayguard.cpp" line="+38"/>
        <source>larkspan: no display found; it needs a graphical desktop (X11 or Wayland)
</source>
        <translation>larkspan: keine Anzeige gefunden; das Programm braucht eine grafische Arbeitsumgebung (X11 oder Wayland)
</translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <location filename="../src/wizard/finishpage.cpp" line="+54"/>
        <source>Layout Style:</source>
        <translation>Layoutstil:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Colors:   Default</source>
        <extracomment>The summary&apos;s line before the page is entered: a label, three blanks, the value &quot;Default&quot; as below</extracomment>
        <translation>Seitenfarben:   Standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background Image:   None</source>
        <translation>Hintergrundbild:   Keines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page Image:   None</source>
        <translation>Seitenbild:   Keines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Lists:   0</source>
        <translation>Listeneinträge:   0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Links:   0</source>
        <translation>Links:   0</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish up your web page!</source>
        <translation>Stellen Sie Ihre Webseite fertig!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Larkspan Summary</source>
        <translation>Larkspan-Zusammenfassung</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Include your email address: eg. someone@example.com</source>
        <translation>Geben Sie Ihre E-Mail-Adresse an, z. B. jemand@example.com</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you&apos;d like to see what your web page looks like behind the scenes, select the Source Browser button.</source>
        <translation>Wenn Sie sehen möchten, wie Ihre Webseite hinter den Kulissen aussieht, klicken Sie auf die Schaltfläche „Quelltextansicht“.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Source Browser</source>
        <translation>Quelltextansicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview in Browser</source>
        <translation>Vorschau im Browser</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>None</source>
        <extracomment>The summary&apos;s value for a picture that the page does not show</extracomment>
        <translation>Keines</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Layout Style:   </source>
        <translation>Layoutstil:   </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Colors:   </source>
        <extracomment>A summary label, followed by its value; the three blanks set the value apart</extracomment>
        <translation>Seitenfarben:   </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Custom</source>
        <extracomment>The summary&apos;s value of the page colours: chosen by the user, or the browser&apos;s own</extracomment>
        <translation>Eigene</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <extracomment>The summary&apos;s value of the page colours: chosen by the user, or the browser&apos;s own</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Background Image:   </source>
        <translation>Hintergrundbild:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page Image:   </source>
        <translation>Seitenbild:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Lists:   </source>
        <translation>Listeneinträge:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Links:   </source>
        <translation>Links:   </translation>
    </message>
    <message>
        <location line="+89"/>
        <source>The preview could not be written:<byte value="xd"/>
%1</source>
        <translation>Die Vorschau konnte nicht geschrieben werden:<byte value="xd"/>
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
        <translation>Es konnte kein Webbrowser gestartet werden, um die Vorschau zu zeigen. Die Seite liegt in<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 (not found)</source>
        <translation>%1 (nicht gefunden)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The page shows pictures that are not in the folder you saved it to, so a browser will not find them:</source>
        <translation>Die Seite zeigt Bilder, die nicht in dem Ordner liegen, in dem Sie sie gespeichert haben; ein Browser findet sie daher nicht:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy them into that folder?</source>
        <translation>Sollen sie in diesen Ordner kopiert werden?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 was not copied: another file of that name is in that folder, and it was left as it is.</source>
        <translation>%1 wurde nicht kopiert: In diesem Ordner liegt bereits eine andere Datei dieses Namens; sie wurde nicht verändert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could not be copied: %2</source>
        <translation>%1 konnte nicht kopiert werden: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save your web page</source>
        <translation>Webseite speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HTML Files (*.htm,*.html)</source>
        <translation>HTML-Dateien (*.htm,*.html)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plain Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Untitled</source>
        <extracomment>The file name the save dialog suggests for a new page (a file name: no slashes)</extracomment>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Your web page could not be saved as<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Ihre Webseite konnte nicht gespeichert werden als<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Congradulations on your successful Web Page.</source>
        <translation>Herzlichen Glückwunsch zu Ihrer gelungenen Webseite!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larkspan has given you a fantastic</source>
        <translation>Larkspan hat Ihnen einen fantastischen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>place to start. Now you can tinker with the HTML</source>
        <translation>Ausgangspunkt geschaffen. Jetzt können Sie am HTML feilen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and become the next pro!</source>
        <translation>und selbst zum Profi werden!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Would you like to create another?</source>
        <translation>Möchten Sie eine weitere Seite erstellen?</translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <location filename="../src/wizard/layoutpage.cpp" line="+25"/>
        <source>Choose a Layout</source>
        <translation>Layout auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style</source>
        <translation>Einfacher Stil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style Image Left</source>
        <translation>Einfacher Stil, Bild links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style Image Right</source>
        <translation>Einfacher Stil, Bild rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table Style Image Left</source>
        <translation>Tabellenstil, Bild links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table Style Image Right</source>
        <translation>Tabellenstil, Bild rechts</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Basic Style is the simplest layout style. The heading is centered at the top with text below, an image, links and the footer at the bottom.</source>
        <translation>„Einfacher Stil“ ist der schlichteste Layoutstil. Die Überschrift steht oben in der Mitte, darunter der Text, ein Bild, die Links und unten die Fußzeile.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic Style Image Left has heading centered at the top with the image aligned on the left with text flowing around the image, links, and the footer at the bottom.</source>
        <translation>„Einfacher Stil, Bild links“ hat oben in der Mitte die Überschrift, darunter links das Bild, um das der Text fließt, dann die Links und unten die Fußzeile.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic Style Image Right has heading centered at the top with the image aligned on the right with text flowing around the image, links, and the footer at the bottom.</source>
        <translation>„Einfacher Stil, Bild rechts“ hat oben in der Mitte die Überschrift, darunter rechts das Bild, um das der Text fließt, dann die Links und unten die Fußzeile.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Table Style Image Left use a hidden table to separate the image from the text. The header is centered at the top, an image on the left, text on the right with links and footer items below.</source>
        <translation>„Tabellenstil, Bild links“ trennt Bild und Text durch eine unsichtbare Tabelle. Die Überschrift steht oben in der Mitte, links ein Bild, rechts der Text, darunter die Links und die Fußzeile.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Table Style Image Right use a hidden table to separate the image from the text. The header is centered at the top, an image on the right, text on the left with links and footer items below.</source>
        <translation>„Tabellenstil, Bild rechts“ trennt Bild und Text durch eine unsichtbare Tabelle. Die Überschrift steht oben in der Mitte, rechts ein Bild, links der Text, darunter die Links und die Fußzeile.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Select a layout style for your web page.</source>
        <translation>Wählen Sie einen Layoutstil für Ihre Webseite.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Preview</source>
        <translation>Seitenvorschau</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Layout style</source>
        <translation>Layoutstil</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Title of your web page. eg: My Home Page</source>
        <translation>Titel Ihrer Webseite, z. B. Meine Homepage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Heading</source>
        <translation>Seitenüberschrift</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Please select a layout style before proceeding.</source>
        <translation>Bitte wählen Sie einen Layoutstil, bevor Sie fortfahren.</translation>
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
        <translation>Links: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add some links to your page. Links provide a way for people to visit other sites and pages.</source>
        <translation>Fügen Sie Ihrer Seite Links hinzu. Über Links gelangen Besucher zu anderen Websites und Seiten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Default Link Style</source>
        <translation>&amp;Standard-Linkstil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Combo Bo&amp;x (JavaScript)</source>
        <translation>Auswahlliste (&amp;JavaScript)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Link Address: eg. http://www.example.com/</source>
        <translation>Linkadresse, z. B. http://www.example.com/</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link Description: eg. Click here</source>
        <translation>Linkbeschreibung, z. B. Hier klicken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Link</source>
        <translation>&amp;Link hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Remove Link</source>
        <translation>Link ent&amp;fernen</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Please include both Link Address and Link Description.</source>
        <translation>Bitte geben Sie sowohl die Linkadresse als auch die Linkbeschreibung an.</translation>
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
        <translation>Die Liste kann höchstens %1 Links aufnehmen.</translation>
    </message>
</context>
<context>
    <name>LoadPageFile</name>
    <message>
        <location filename="../src/files/pagefile.cpp" line="+128"/>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its symbolic links lead round in a loop.</source>
        <translation>Die symbolischen Verknüpfungen auf dem Weg zur Datei bilden eine Schleife.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may not enter a folder on its path.</source>
        <translation>Sie haben keinen Zugriff auf einen Ordner im Pfad der Datei.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its name is too long for the system.</source>
        <translation>Der Dateiname ist für das System zu lang.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A part of its path is a file, not a folder.</source>
        <translation>Ein Teil des Pfads ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It cannot be found: %1</source>
        <translation>Die Datei kann nicht gefunden werden: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>title</source>
        <extracomment>The fields below are put into the messages about a page that cannot be opened, as %1</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>heading</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link colour</source>
        <translation>Linkfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>visited link colour</source>
        <translation>Farbe besuchter Links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>active link colour</source>
        <translation>Farbe aktiver Links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>background picture&apos;s name</source>
        <translation>Name des Hintergrundbilds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>page picture&apos;s name</source>
        <translation>Name des Seitenbilds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>page text</source>
        <translation>Seitentext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bullet list</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link list</source>
        <translation>Linkliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Its page text is %1 bytes long; the Text step holds at most %2 bytes.</source>
        <translation>Der Seitentext ist %1 Byte lang; der Schritt „Text“ fasst höchstens %2 Byte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Its %1 is %2 characters long; its box holds at most %3.</source>
        <extracomment>%1 is a field such as &quot;title&quot;</extracomment>
        <translation>Die Angabe „%1“ ist %2 Zeichen lang; ihr Feld fasst höchstens %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Its page text holds a line break that the text box would change: a CR without LF, or a Unicode line or paragraph separator.</source>
        <translation>Der Seitentext enthält einen Zeilenumbruch, den das Textfeld verändern würde: ein CR ohne LF oder ein Unicode-Zeilen- oder -Absatztrenner.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its %1 holds a line break, which its one-line box cannot hold.</source>
        <translation>Die Angabe „%1“ enthält einen Zeilenumbruch, den ihr einzeiliges Feld nicht aufnehmen kann.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its %1 has %2 entries; the list holds at most %3.</source>
        <translation>Die Liste „%1“ hat %2 Einträge; sie fasst höchstens %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its %1 is &quot;%2&quot;: the Colors step shows only #RRGGBB and the 16 colour names of HTML 3.2.</source>
        <translation>Die Angabe „%1“ lautet „%2“: Der Schritt „Farben“ zeigt nur #RRGGBB und die 16 Farbnamen von HTML 3.2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Its text is neither the program&apos;s ASCII, nor UTF-8, nor the ANSI code page.</source>
        <translation>Der Text der Datei ist weder im ASCII des Programms noch in UTF-8 noch in der ANSI-Codepage geschrieben.</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>This file is empty: it holds no page.</source>
        <translation>Diese Datei ist leer und enthält keine Seite.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This file is not a page made by Larkspan: it does not begin with Larkspan&apos;s comment lines.</source>
        <translation>Diese Datei ist keine mit Larkspan erstellte Seite: Die Datei beginnt nicht mit den Kommentarzeilen von Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This file is not a page made by Larkspan: its head is not the one Larkspan writes.</source>
        <translation>Diese Datei ist keine mit Larkspan erstellte Seite: Der Kopf der Seite ist nicht der, den Larkspan schreibt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This page was changed after Larkspan saved it: line %1 is not as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Zeile %1 ist nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>This page was changed after Larkspan saved it: the title line is not as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die Titelzeile ist nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the head does not end as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Der Kopf endet nicht so, wie Larkspan ihn schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the BODY tag is not as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Das BODY-Tag ist nicht so, wie Larkspan es schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page heading is not as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die Seitenüberschrift ist nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the table is not as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die Tabelle ist nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page image is not as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Das Seitenbild ist nicht so, wie Larkspan es schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page text does not begin as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Der Seitentext beginnt nicht so, wie Larkspan ihn schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page text does not end as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Der Seitentext endet nicht so, wie Larkspan ihn schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the bullet list does not begin as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die Aufzählung beginnt nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the bullet list does not end as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die Aufzählung endet nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the link list does not begin as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die Linkliste beginnt nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: a link of the link list is not as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Ein Link der Linkliste ist nicht so, wie Larkspan ihn schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the jump menu of the link list is not as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die Auswahlliste der Links ist nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the script in its head does not fit its link list.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Das Skript im Kopf der Seite passt nicht zu ihrer Linkliste.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the link list does not end as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die Linkliste endet nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the e-mail line of the footer is not as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die E-Mail-Zeile der Fußzeile ist nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the footer is not as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die Fußzeile ist nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page does not end as Larkspan writes it.</source>
        <translation>Diese Seite wurde geändert, nachdem Larkspan sie gespeichert hat: Die Seite endet nicht so, wie Larkspan sie schreibt.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>It is not a regular file, but a folder, a pipe, a device or a socket.</source>
        <translation>Dies ist keine gewöhnliche Datei, sondern ein Ordner, eine Pipe, ein Gerät oder ein Socket.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is larger than 16 MB: no page made by Larkspan is that large.</source>
        <translation>Die Datei ist größer als 16 MB: So groß ist keine mit Larkspan erstellte Seite.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+10"/>
        <source>It cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <location filename="../src/ui/picturedialog.cpp" line="+15"/>
        <source>Select an Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Web Images (*.gif,*.jpg,*.jpeg,*.png,*.webp)</source>
        <translation>Webbilder (*.gif,*.jpg,*.jpeg,*.png,*.webp)</translation>
    </message>
</context>
<context>
    <name>PreviewPicture</name>
    <message>
        <location filename="../src/images/previewpicture.cpp" line="+135"/>
        <source>the file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is a folder, not a picture file.</source>
        <translation>Es ist ein Ordner, keine Bilddatei.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is not a regular file (a pipe, a device or a socket).</source>
        <translation>Es ist keine gewöhnliche Datei (sondern eine Pipe, ein Gerät oder ein Socket).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file cannot be opened.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is not a picture in a format that can be read.</source>
        <translation>Es ist kein Bild in einem lesbaren Format.</translation>
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
Diese Datei existiert nicht.
Soll sie erstellt werden?</translation>
    </message>
</context>
<context>
    <name>SavePageFile</name>
    <message>
        <location filename="../src/files/pagefile.cpp" line="-302"/>
        <source>This name belongs to a folder, not to a file; a web page can only replace a regular file.</source>
        <translation>Dieser Name gehört zu einem Ordner, nicht zu einer Datei; eine Webseite kann nur eine gewöhnliche Datei ersetzen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a named pipe, not to a file; a web page can only replace a regular file.</source>
        <translation>Dieser Name gehört zu einer benannten Pipe, nicht zu einer Datei; eine Webseite kann nur eine gewöhnliche Datei ersetzen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a socket, not to a file; a web page can only replace a regular file.</source>
        <translation>Dieser Name gehört zu einem Socket, nicht zu einer Datei; eine Webseite kann nur eine gewöhnliche Datei ersetzen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a device, not to a file; a web page can only replace a regular file.</source>
        <translation>Dieser Name gehört zu einem Gerät, nicht zu einer Datei; eine Webseite kann nur eine gewöhnliche Datei ersetzen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This name belongs to something else, not to a file; a web page can only replace a regular file.</source>
        <translation>Dieser Name gehört zu etwas anderem, nicht zu einer Datei; eine Webseite kann nur eine gewöhnliche Datei ersetzen.</translation>
    </message>
</context>
<context>
    <name>TextPage</name>
    <message>
        <location filename="../src/files/textimport.cpp" line="+82"/>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its size cannot be read: it is not a plain file.</source>
        <translation>Die Größe der Datei kann nicht ermittelt werden: Dies ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+18"/>
        <source>It cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+23"/>
        <source>The text box is limited to only 32k.</source>
        <translation>Das Textfeld fasst höchstens 32 KB.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a plain text file: it holds NUL bytes.</source>
        <translation>Dies ist keine reine Textdatei, denn sie enthält NUL-Bytes.</translation>
    </message>
    <message>
        <location filename="../src/wizard/textpage.cpp" line="+37"/>
        <source>Add some text to your web page or import a text file into your web page.</source>
        <translation>Geben Sie Text für Ihre Webseite ein oder importieren Sie eine Textdatei in Ihre Webseite.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Page text</source>
        <translation>Seitentext</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable Key &amp;Mask</source>
        <translation>Eingabetaste &amp;umbelegen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter Key = &lt;B&amp;R&gt;</source>
        <extracomment>&lt;BR&gt; (line break) and &lt;P&gt; (paragraph) are HTML tags, which Enter then types: keep them as they are</extracomment>
        <translation>Eingabetaste = &lt;B&amp;R&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Key = &lt;&amp;P&gt;</source>
        <translation>Eingabetaste = &lt;&amp;P&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Indent Selection</source>
        <translation>Auswahl einrücken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Plain Text File</source>
        <translation>Textdatei importieren</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Import a Text File</source>
        <translation>Textdatei importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plain Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>There was a problem opening the data file.</source>
        <translation>Beim Öffnen der Datei ist ein Problem aufgetreten.</translation>
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
        <translation>Willkommen bei Larkspan – dem einfachsten Weg zur eigenen Homepage! Larkspan stellt Ihnen eine Reihe von Fragen zu Stil und Aussehen Ihrer Seite und dazu, ob Sie Bilder, Text, Links und vieles mehr einfügen möchten. Das ist so einfach wie das Ausfüllen eines Formulars. Am Ende haben Sie eine großartige Seite, die sich mit denen von Profis messen kann!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Click the Start button to begin !</source>
        <translation>Klicken Sie auf „Starten“, um zu beginnen!</translation>
    </message>
</context>
<context>
    <name>larkspan::FilePropertiesWindow</name>
    <message>
        <location filename="../src/platform/filepropertieswindow.cpp" line="+54"/>
        <source>%1 Properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
</context>
<context>
    <name>larkspan::HelpWindow</name>
    <message>
        <location filename="../src/platform/helpwindow.cpp" line="+33"/>
        <source>Larkspan Help</source>
        <translation>Larkspan-Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>No help file has been named.</source>
        <translation>Es wurde keine Hilfedatei angegeben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The help file %1 cannot be found.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 cannot be read because it is a folder.</source>
        <translation>Die Hilfedatei %1 kann nicht gelesen werden, weil sie ein Ordner ist.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file %1 cannot be read: %2.</source>
        <translation>Die Hilfedatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>larkspan::ImagePage</name>
    <message>
        <location filename="../src/images/imagepage.cpp" line="+62"/>
        <source>Select an image for your web page. It&apos;s a good it idea to select an image that isn&apos;t too large since it will increase the page&apos;s download time.</source>
        <translation>Wählen Sie ein Bild für Ihre Webseite. Nehmen Sie am besten ein nicht zu großes Bild, denn ein großes Bild verlängert die Ladezeit der Seite.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Include I&amp;mage</source>
        <translation>&amp;Bild verwenden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Image file name</source>
        <translation>Dateiname des Bilds</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Browse for Image</source>
        <translation>Bild suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Image Dimensions:</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image Preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Scroll the preview sideways</source>
        <translation>Vorschau waagerecht verschieben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scroll the preview up and down</source>
        <translation>Vorschau senkrecht verschieben</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Image Properties</source>
        <translation>Bild&amp;eigenschaften</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The picture %1 cannot be shown: %2</source>
        <translation>Das Bild %1 kann nicht angezeigt werden: %2</translation>
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
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>This picture is too large to show here. Its name and size go into the page.</source>
        <translation>Dieses Bild ist zu groß, um es hier zu zeigen. Sein Name und seine Größe werden in die Seite übernommen.</translation>
    </message>
</context>
<context>
    <name>larkspan::PageDropTarget</name>
    <message>
        <location filename="../src/wizard/pagedroptarget.cpp" line="+72"/>
        <source>Replace the answers you have made with those of the page %1?</source>
        <translation>Ihre bisherigen Antworten durch die der Seite %1 ersetzen?</translation>
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
        <translation>Quelltextansicht – schreibgeschützt</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page source</source>
        <translation>Quelltext der Seite</translation>
    </message>
</context>
<context>
    <name>larkspan::frmWiz</name>
    <message>
        <location filename="../src/wizard/frmwiz.cpp" line="+207"/>
        <location line="+339"/>
        <location filename="../src/wizard/steps.cpp" line="+20"/>
        <source>&amp;Start &gt;</source>
        <translation>&amp;Starten &gt;</translation>
    </message>
    <message>
        <location line="-339"/>
        <location line="+103"/>
        <location filename="../src/wizard/steps.cpp" line="+1"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <location line="-103"/>
        <location filename="../src/wizard/steps.cpp" line="+52"/>
        <source>&amp;Finish</source>
        <translation>Ab&amp;schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+380"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-380"/>
        <location line="+101"/>
        <location filename="../src/wizard/steps.cpp" line="-41"/>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+100"/>
        <location line="+240"/>
        <location filename="../src/wizard/steps.cpp" line="+62"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="-339"/>
        <location line="+97"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+98"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>The page %1 cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Die Seite %1 kann nicht geöffnet werden.<byte value="xd"/>
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
        <translation>Der Hilfeinhalt kann nicht angezeigt werden. Zu diesem Programm gibt es keine Hilfe.</translation>
    </message>
    <message>
        <location filename="../src/wizard/steps.cpp" line="-62"/>
        <location line="+73"/>
        <source>Larkspan 1.1 - Select a page layout</source>
        <translation>Larkspan 1.1 – Wählen Sie ein Seitenlayout</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+67"/>
        <source>Larkspan 1.1 - Select the color for your page</source>
        <translation>Larkspan 1.1 – Wählen Sie die Farben Ihrer Seite</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>Larkspan 1.1 - Select an image for your page</source>
        <translation>Larkspan 1.1 – Wählen Sie ein Bild für Ihre Seite</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+66"/>
        <source>Larkspan 1.1 - Add some text to your page</source>
        <translation>Larkspan 1.1 – Geben Sie Text für Ihre Seite ein</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+66"/>
        <source>Larkspan 1.1 - Add a Bullet List</source>
        <translation>Larkspan 1.1 – Fügen Sie eine Aufzählung hinzu</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Larkspan 1.1 - Add links to your page</source>
        <translation>Larkspan 1.1 – Fügen Sie Ihrer Seite Links hinzu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Larkspan 1.1- Final Step: Finish your page</source>
        <translation>Larkspan 1.1 – Letzter Schritt: Stellen Sie Ihre Seite fertig</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Larkspan 1.1 - Select an image for your page </source>
        <translation>Larkspan 1.1 – Wählen Sie ein Bild für Ihre Seite</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Larkspan 1.1- Add links to your page</source>
        <translation>Larkspan 1.1 – Fügen Sie Ihrer Seite Links hinzu</translation>
    </message>
</context>
</TS>
