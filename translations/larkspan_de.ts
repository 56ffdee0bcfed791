<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutPage</name>
    <message>
        <location filename="../src/wizard/aboutpage.cpp" line="+14"/>
        <source>Larkspan 1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Larkspan was developed for anyone wanting to make a web page, but didn&apos;t know how. It is created for the novice user in mind and also powerful enough for a veteran web page designer which makes it a tool everyone should use. I you have any comments or suggestions about Larkspan please let me know at</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BulletListPage</name>
    <message>
        <location filename="../src/wizard/bulletlistpage.cpp" line="+25"/>
        <source>Disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Current List Items: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bullet list provide traditional indented items to your page. They are ideal for listing specific items you would like to set apart from the body of text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bulleted Item Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Add Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bullet items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Remove Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The list can hold at most %1 items.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larkspan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorMenus</name>
    <message>
        <location filename="../src/colours/colormenus.cpp" line="+25"/>
        <source>&amp;Custom...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColourPage</name>
    <message>
        <location filename="../src/colours/colorattribute.h" line="+41"/>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backg&amp;round Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Color3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visited Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Visited Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Active Link Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/colours/colourpage.cpp" line="+115"/>
        <source>Select the color style of your web page. Choose Default or Choose Custom Colors then check the desired page color properties and select a color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Default Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;ustom Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Select a Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/colours/colourpreview.cpp" line="+14"/>
        <source>Page Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Include Background I&amp;mage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Background image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Browse for Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>none chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/colours/namedcolors.h" line="+34"/>
        <source>&amp;Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bl&amp;ue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gr&amp;een</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yellow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="+57"/>
        <source>Usage: larkspan [--help | --version | PAGE]
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/displayguard.cpp" line="+38"/>
        <source>larkspan: no display found; it needs a graphical desktop (X11 or Wayland)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <location filename="../src/wizard/finishpage.cpp" line="+53"/>
        <source>Layout Style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page Colors:   Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background Image:   None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page Image:   None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Lists:   0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Links:   0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish up your web page!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Larkspan Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Include your email address: eg. someone@example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you&apos;d like to see what your web page looks like behind the scenes, select the Source Browser button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Source Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Layout Style:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Colors:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background Image:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page Image:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Lists:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Links:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+89"/>
        <source>The preview could not be written:<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <location line="+46"/>
        <location line="+15"/>
        <location line="+43"/>
        <location line="+16"/>
        <source>Larkspan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-122"/>
        <source>No web browser could be started to show the preview. The page is in<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 (not found)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The page shows pictures that are not in the folder you saved it to, so a browser will not find them:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy them into that folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 was not copied: another file of that name is in that folder, and it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could not be copied: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save your web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HTML Files (*.htm,*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plain Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Your web page could not be saved as<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Congradulations on your successful Web Page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larkspan has given you a fantastic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>place to start. Now you can tinker with the HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and become the next pro!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Would you like to create another?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <location filename="../src/wizard/layoutpage.cpp" line="+25"/>
        <source>Choose a Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style Image Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style Image Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table Style Image Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table Style Image Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Basic Style is the simplest layout style. The heading is centered at the top with text below, an image, links and the footer at the bottom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic Style Image Left has heading centered at the top with the image aligned on the left with text flowing around the image, links, and the footer at the bottom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic Style Image Right has heading centered at the top with the image aligned on the right with text flowing around the image, links, and the footer at the bottom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Table Style Image Left use a hidden table to separate the image from the text. The header is centered at the top, an image on the left, text on the right with links and footer items below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Table Style Image Right use a hidden table to separate the image from the text. The header is centered at the top, an image on the right, text on the left with links and footer items below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Select a layout style for your web page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Layout style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Title of your web page. eg: My Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Please select a layout style before proceeding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larkspan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinksPage</name>
    <message>
        <location filename="../src/wizard/linkspage.cpp" line="+21"/>
        <source>Current Links: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add some links to your page. Links provide a way for people to visit other sites and pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Default Link Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Combo Bo&amp;x (JavaScript)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Link Address: eg. http://www.example.com/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link Description: eg. Click here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Remove Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Please include both Link Address and Link Description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Larkspan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The list can hold at most %1 links.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadPageFile</name>
    <message>
        <location filename="../src/files/pagefile.cpp" line="+127"/>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its symbolic links lead round in a loop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may not enter a folder on its path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its name is too long for the system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A part of its path is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It cannot be found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>background colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>text colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>visited link colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>active link colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>background picture&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>page picture&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>page text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bullet list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Its page text is %1 bytes long; the Text step holds at most %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Its %1 is %2 characters long; its box holds at most %3.</source>
        <extracomment>%1 is a field such as &quot;title&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Its page text holds a line break that the text box would change: a CR without LF, or a Unicode line or paragraph separator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its %1 holds a line break, which its one-line box cannot hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its %1 has %2 entries; the list holds at most %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its %1 is &quot;%2&quot;: the Colors step shows only #RRGGBB and the 16 colour names of HTML 3.2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Its text is neither the program&apos;s ASCII, nor UTF-8, nor the ANSI code page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>This file is empty: it holds no page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This file is not a page made by Larkspan: it does not begin with Larkspan&apos;s comment lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This file is not a page made by Larkspan: its head is not the one Larkspan writes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This page was changed after Larkspan saved it: line %1 is not as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This page was changed after Larkspan saved it: the title line is not as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the head does not end as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the BODY tag is not as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page heading is not as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the table is not as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page image is not as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page text does not begin as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page text does not end as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the bullet list does not begin as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the bullet list does not end as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the link list does not begin as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: a link of the link list is not as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the jump menu of the link list is not as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the script in its head does not fit its link list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the link list does not end as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the e-mail line of the footer is not as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the footer is not as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page does not end as Larkspan writes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>It is not a regular file, but a folder, a pipe, a device or a socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is larger than 16 MB: no page made by Larkspan is that large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+10"/>
        <source>It cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <location filename="../src/ui/picturedialog.cpp" line="+15"/>
        <source>Select an Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Web Images (*.gif,*.jpg,*.jpeg,*.png,*.webp)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewPicture</name>
    <message>
        <location filename="../src/images/previewpicture.cpp" line="+135"/>
        <source>the file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is a folder, not a picture file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is not a regular file (a pipe, a device or a socket).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is not a picture in a format that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../src/platform/qtplatform.cpp" line="+101"/>
        <source>%1
This file does not exist.
Create the file?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavePageFile</name>
    <message>
        <location filename="../src/files/pagefile.cpp" line="-298"/>
        <source>This name belongs to a folder, not to a file; a web page can only replace a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a named pipe, not to a file; a web page can only replace a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a socket, not to a file; a web page can only replace a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a device, not to a file; a web page can only replace a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This name belongs to something else, not to a file; a web page can only replace a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextPage</name>
    <message>
        <location filename="../src/files/textimport.cpp" line="+82"/>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its size cannot be read: it is not a plain file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+18"/>
        <source>It cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+23"/>
        <source>The text box is limited to only 32k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a plain text file: it holds NUL bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/wizard/textpage.cpp" line="+37"/>
        <source>Add some text to your web page or import a text file into your web page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Page text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable Key &amp;Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Key = &lt;B&amp;R&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Key = &lt;&amp;P&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Indent Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Plain Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Import a Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plain Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>There was a problem opening the data file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Larkspan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <location filename="../src/wizard/welcomepage.cpp" line="+15"/>
        <source>Welcome to Larkspan! The easiest way to make a home page. Larkspan includes a series of questions about the style and look of your page as well if you want to include images, text, links and much more! It&apos;s as easy as filling in blanks. When you&apos;re done you&apos;ll have a great looking page that rivals those made by the pros!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Click the Start button to begin !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>larkspan::FilePropertiesWindow</name>
    <message>
        <location filename="../src/platform/filepropertieswindow.cpp" line="+54"/>
        <source>%1 Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 x %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modified:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>larkspan::HelpWindow</name>
    <message>
        <location filename="../src/platform/helpwindow.cpp" line="+33"/>
        <source>Larkspan Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>No help file has been named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The help file %1 cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 cannot be read because it is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>larkspan::ImagePage</name>
    <message>
        <location filename="../src/images/imagepage.cpp" line="+62"/>
        <source>Select an image for your web page. It&apos;s a good it idea to select an image that isn&apos;t too large since it will increase the page&apos;s download time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Include I&amp;mage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Image file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Browse for Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Image Dimensions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Scroll the preview sideways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scroll the preview up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Image Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The picture %1 cannot be shown: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+124"/>
        <source>Larkspan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+68"/>
        <source>This picture is too large to show here. Its name and size go into the page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>larkspan::PageDropTarget</name>
    <message>
        <location filename="../src/wizard/pagedroptarget.cpp" line="+72"/>
        <source>Replace the answers you have made with those of the page %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Larkspan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>larkspan::frmEdit</name>
    <message>
        <location filename="../src/source_browser/frmedit.cpp" line="+17"/>
        <source>Source Browser - Read Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page source</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>larkspan::frmWiz</name>
    <message>
        <location filename="../src/wizard/frmwiz.cpp" line="+207"/>
        <location line="+339"/>
        <location filename="../src/wizard/steps.cpp" line="+20"/>
        <source>&amp;Start &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-339"/>
        <location line="+103"/>
        <location filename="../src/wizard/steps.cpp" line="+1"/>
        <source>&amp;Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-103"/>
        <location filename="../src/wizard/steps.cpp" line="+52"/>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+380"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-380"/>
        <location line="+101"/>
        <location filename="../src/wizard/steps.cpp" line="-41"/>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+100"/>
        <location line="+240"/>
        <location filename="../src/wizard/steps.cpp" line="+62"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-339"/>
        <location line="+97"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+98"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+102"/>
        <source>The page %1 cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+170"/>
        <source>Larkspan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-28"/>
        <location filename="../src/wizard/steps.cpp" line="-14"/>
        <location line="+12"/>
        <source>Larkspan 1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/wizard/steps.cpp" line="-62"/>
        <location line="+73"/>
        <source>Larkspan 1.1 - Select a page layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+67"/>
        <source>Larkspan 1.1 - Select the color for your page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-61"/>
        <source>Larkspan 1.1 - Select an image for your page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+66"/>
        <source>Larkspan 1.1 - Add some text to your page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+66"/>
        <source>Larkspan 1.1 - Add a Bullet List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Larkspan 1.1 - Add links to your page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Larkspan 1.1- Final Step: Finish your page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Larkspan 1.1 - Select an image for your page </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Larkspan 1.1- Add links to your page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
