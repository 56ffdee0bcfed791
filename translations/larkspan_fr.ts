<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Larkspan a été conçu pour tous ceux qui veulent créer une page web sans savoir comment s&apos;y prendre. Pensé pour les débutants, il est aussi assez puissant pour un concepteur de pages web chevronné&#xa0;: c&apos;est un outil que tout le monde devrait utiliser. Si vous avez des remarques ou des suggestions au sujet de Larkspan, écrivez-moi à</translation>
    </message>
</context>
<context>
    <name>BulletListPage</name>
    <message>
        <location filename="../src/wizard/bulletlistpage.cpp" line="+25"/>
        <source>Disc</source>
        <translation>Disque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Current List Items: %1</source>
        <translation>Éléments de la liste&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bullet list provide traditional indented items to your page. They are ideal for listing specific items you would like to set apart from the body of text.</source>
        <translation>Les listes à puces ajoutent à votre page des éléments en retrait, à la manière classique. Elles sont idéales pour énumérer des éléments que vous voulez distinguer du corps du texte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bulleted Item Description</source>
        <translation>Description de l&apos;élément</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Add Item</source>
        <translation>A&amp;jouter l&apos;élément</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bullet items</source>
        <translation>Éléments de la liste à puces</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Remove Item</source>
        <translation>S&amp;upprimer l&apos;élément</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The list can hold at most %1 items.</source>
        <translation>La liste peut contenir au plus %1 éléments.</translation>
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
        <translation>&amp;Personnalisée...</translation>
    </message>
</context>
<context>
    <name>ColourPage</name>
    <message>
        <location filename="../src/colours/colorattribute.h" line="+41"/>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backg&amp;round Color</source>
        <translation>Couleur de &amp;fond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color1</source>
        <translation>Couleur1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Text Color</source>
        <translation>Couleur du te&amp;xte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color2</source>
        <translation>Couleur2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Link Color</source>
        <translation>Couleur des &amp;liens</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Color3</source>
        <translation>Couleur3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visited Link</source>
        <translation>Lien visité</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Visited Link Color</source>
        <translation>Couleur des liens &amp;visités</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color4</source>
        <translation>Couleur4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Link</source>
        <translation>Lien actif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Active Link Color</source>
        <translation>Couleur des liens act&amp;ifs</translation>
    </message>
    <message>
        <location filename="../src/colours/colourpage.cpp" line="+115"/>
        <source>Select the color style of your web page. Choose Default or Choose Custom Colors then check the desired page color properties and select a color.</source>
        <translation>Choisissez les couleurs de votre page web&#xa0;: gardez les couleurs par défaut, ou choisissez Couleurs personnalisées, puis cochez les couleurs de la page à définir et choisissez une couleur pour chacune.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Default Colors</source>
        <translation>Couleurs par &amp;défaut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;ustom Colors</source>
        <translation>Couleurs pers&amp;onnalisées</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Select a Color</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/colours/colourpreview.cpp" line="+14"/>
        <source>Page Preview</source>
        <translation>Aperçu de la page</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Include Background I&amp;mage</source>
        <translation>Inclure une i&amp;mage de fond</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Background image file</source>
        <translation>Fichier de l&apos;image de fond</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Browse for Image</source>
        <translation>Parcourir pour choisir une image</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>none chosen</source>
        <translation>aucune choisie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/colours/namedcolors.h" line="+34"/>
        <source>&amp;Aqua</source>
        <translation>C&amp;yan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Black</source>
        <translation>&amp;Noir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bl&amp;ue</source>
        <translation>Bl&amp;eu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fuchsia</source>
        <translation>&amp;Fuchsia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Gray</source>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gr&amp;een</source>
        <translation>&amp;Vert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Lime</source>
        <translation>Vert c&amp;itron</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Maroon</source>
        <translation>Bor&amp;deaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Navy</source>
        <translation>Bleu &amp;marine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Olive</source>
        <translation>&amp;Olive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Purple</source>
        <translation>Vio&amp;let</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Red</source>
        <translation>&amp;Rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Silver</source>
        <translation>&amp;Argent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Teal</source>
        <translation>Bleu &amp;canard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;White</source>
        <translation>&amp;Blanc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yellow</source>
        <translation>&amp;Jaune</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="+57"/>
        <source>Usage: larkspan [--help | --version | PAGE]
</source>
        <translation>Utilisation&#xa0;: larkspan [--help | --version | PAGE]
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
        <translation>Utilisation&#xa0;: larkspan [OPTION] [PAGE]
Crée une page web étape par étape, sans que vous ayez à connaître HTML.
Sans option, ouvre l&apos;assistant&#xa0;; avec PAGE, une page que Larkspan a enregistrée
auparavant, ouvre l&apos;assistant avec les réponses de cette page à chaque étape.

  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Les options standard de Qt fonctionnent comme dans tout programme Qt, entre
autres -style STYLE, -stylesheet FICHIER, -reverse et -platform NOM.
</translation>
    </message>
    <message>
        <location filename="../src/app/displayguard.cpp" line="+38"/>
        <source>larkspan: no display found; it needs a graphical desktop (X11 or Wayland)
</source>
        <translation>larkspan&#xa0;: pas d&apos;affichage&#xa0;; il faut un bureau graphique (X11 ou Wayland)
</translation>
    </message>
</context>
<context>
    <name>FinishPage</name>
    <message>
        <location filename="../src/wizard/finishpage.cpp" line="+54"/>
        <source>Layout Style:</source>
        <translation>Style de mise en page&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Colors:   Default</source>
        <extracomment>The summary&apos;s line before the page is entered: a label, three blanks, the value &quot;Default&quot; as below</extracomment>
        <translation>Couleurs de la page&#xa0;:   Par défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background Image:   None</source>
        <translation>Image de fond&#xa0;:   Aucune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page Image:   None</source>
        <translation>Image de la page&#xa0;:   Aucune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Lists:   0</source>
        <translation>Éléments de la liste à puces&#xa0;:   0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Links:   0</source>
        <translation>Nombre de liens&#xa0;:   0</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Finish up your web page!</source>
        <translation>Terminez votre page web&#xa0;!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Larkspan Summary</source>
        <translation>Récapitulatif de Larkspan</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Include your email address: eg. someone@example.com</source>
        <translation>Indiquez votre adresse électronique&#xa0;: p. ex. prenom.nom@example.com</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you&apos;d like to see what your web page looks like behind the scenes, select the Source Browser button.</source>
        <translation>Pour voir à quoi ressemble votre page web en coulisses, cliquez sur le bouton Visionneuse de source.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Source Browser</source>
        <translation>Visionneuse de source</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview in Browser</source>
        <translation>Aperçu dans le navigateur</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>None</source>
        <extracomment>The summary&apos;s value for a picture that the page does not show</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Layout Style:   </source>
        <translation>Style de mise en page&#xa0;:   </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Colors:   </source>
        <extracomment>A summary label, followed by its value; the three blanks set the value apart</extracomment>
        <translation>Couleurs de la page&#xa0;:   </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Custom</source>
        <extracomment>The summary&apos;s value of the page colours: chosen by the user, or the browser&apos;s own</extracomment>
        <translation>Personnalisées</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <extracomment>The summary&apos;s value of the page colours: chosen by the user, or the browser&apos;s own</extracomment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Background Image:   </source>
        <translation>Image de fond&#xa0;:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page Image:   </source>
        <translation>Image de la page&#xa0;:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Lists:   </source>
        <translation>Éléments de la liste à puces&#xa0;:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number of Links:   </source>
        <translation>Nombre de liens&#xa0;:   </translation>
    </message>
    <message>
        <location line="+89"/>
        <source>The preview could not be written:<byte value="xd"/>
%1</source>
        <translation>L&apos;aperçu n&apos;a pas pu être écrit&#xa0;:<byte value="xd"/>
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
        <translation>Aucun navigateur web n&apos;a pu être lancé pour afficher l&apos;aperçu. La page se trouve dans<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 (not found)</source>
        <translation>%1 (introuvable)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The page shows pictures that are not in the folder you saved it to, so a browser will not find them:</source>
        <translation>La page affiche des images qui ne sont pas dans le dossier où vous l&apos;avez enregistrée&#xa0;; un navigateur ne les trouvera donc pas&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy them into that folder?</source>
        <translation>Les copier dans ce dossier&#xa0;?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 was not copied: another file of that name is in that folder, and it was left as it is.</source>
        <translation>%1 n&apos;a pas été copié&#xa0;: un autre fichier de ce nom se trouve dans ce dossier, et il a été laissé tel quel.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could not be copied: %2</source>
        <translation>%1 n&apos;a pas pu être copié&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save your web page</source>
        <translation>Enregistrer votre page web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HTML Files (*.htm,*.html)</source>
        <translation>Fichiers HTML (*.htm,*.html)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plain Text Files (*.txt)</source>
        <translation>Fichiers texte brut (*.txt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Untitled</source>
        <extracomment>The file name the save dialog suggests for a new page (a file name: no slashes)</extracomment>
        <translation>Sans titre</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Your web page could not be saved as<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Votre page web n&apos;a pas pu être enregistrée sous<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Congradulations on your successful Web Page.</source>
        <translation>Félicitations, votre page web est réussie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larkspan has given you a fantastic</source>
        <translation>Larkspan vous a donné un formidable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>place to start. Now you can tinker with the HTML</source>
        <translation>point de départ. À vous maintenant de retoucher le HTML</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>and become the next pro!</source>
        <translation>et de devenir le prochain pro&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Would you like to create another?</source>
        <translation>Voulez-vous en créer une autre&#xa0;?</translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <location filename="../src/wizard/layoutpage.cpp" line="+25"/>
        <source>Choose a Layout</source>
        <translation>Choisissez une mise en page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style</source>
        <translation>Style simple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style Image Left</source>
        <translation>Style simple, image à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Basic Style Image Right</source>
        <translation>Style simple, image à droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table Style Image Left</source>
        <translation>Style tableau, image à gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table Style Image Right</source>
        <translation>Style tableau, image à droite</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Basic Style is the simplest layout style. The heading is centered at the top with text below, an image, links and the footer at the bottom.</source>
        <translation>Style simple est la mise en page la plus simple. L&apos;en-tête est centré en haut, suivi du texte, d&apos;une image, des liens et, tout en bas, du pied de page.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic Style Image Left has heading centered at the top with the image aligned on the left with text flowing around the image, links, and the footer at the bottom.</source>
        <translation>Style simple, image à gauche&#xa0;: l&apos;en-tête est centré en haut, l&apos;image est alignée à gauche et le texte l&apos;entoure&#xa0;; les liens et le pied de page sont en bas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic Style Image Right has heading centered at the top with the image aligned on the right with text flowing around the image, links, and the footer at the bottom.</source>
        <translation>Style simple, image à droite&#xa0;: l&apos;en-tête est centré en haut, l&apos;image est alignée à droite et le texte l&apos;entoure&#xa0;; les liens et le pied de page sont en bas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Table Style Image Left use a hidden table to separate the image from the text. The header is centered at the top, an image on the left, text on the right with links and footer items below.</source>
        <translation>Style tableau, image à gauche utilise un tableau invisible pour séparer l&apos;image du texte. L&apos;en-tête est centré en haut, l&apos;image à gauche, le texte à droite, et les liens et le pied de page en dessous.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Table Style Image Right use a hidden table to separate the image from the text. The header is centered at the top, an image on the right, text on the left with links and footer items below.</source>
        <translation>Style tableau, image à droite utilise un tableau invisible pour séparer l&apos;image du texte. L&apos;en-tête est centré en haut, l&apos;image à droite, le texte à gauche, et les liens et le pied de page en dessous.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Select a layout style for your web page.</source>
        <translation>Choisissez un style de mise en page pour votre page web.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Preview</source>
        <translation>Aperçu de la page</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Layout style</source>
        <translation>Style de mise en page</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Title of your web page. eg: My Home Page</source>
        <translation>Titre de votre page web, p. ex.&#xa0;: Ma page personnelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Heading</source>
        <translation>En-tête de la page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Please select a layout style before proceeding.</source>
        <translation>Veuillez choisir un style de mise en page avant de continuer.</translation>
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
        <translation>Liens actuels&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add some links to your page. Links provide a way for people to visit other sites and pages.</source>
        <translation>Ajoutez des liens à votre page. Les liens permettent à vos visiteurs de se rendre sur d&apos;autres sites et d&apos;autres pages.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Default Link Style</source>
        <translation>Style de liens par &amp;défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Combo Bo&amp;x (JavaScript)</source>
        <translation>Liste dérou&amp;lante (JavaScript)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Link Address: eg. http://www.example.com/</source>
        <translation>Adresse du lien&#xa0;: p. ex. http://www.example.com/</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link Description: eg. Click here</source>
        <translation>Description du lien&#xa0;: p. ex. Cliquez ici</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add Link</source>
        <translation>A&amp;jouter le lien</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Remove Link</source>
        <translation>S&amp;upprimer le lien</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Please include both Link Address and Link Description.</source>
        <translation>Veuillez indiquer à la fois l&apos;adresse du lien et sa description.</translation>
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
        <translation>La liste peut contenir au plus %1 liens.</translation>
    </message>
</context>
<context>
    <name>LoadPageFile</name>
    <message>
        <location filename="../src/files/pagefile.cpp" line="+128"/>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its symbolic links lead round in a loop.</source>
        <translation>Ses liens symboliques tournent en boucle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may not enter a folder on its path.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;entrer dans un dossier de son chemin.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Its name is too long for the system.</source>
        <translation>Son nom est trop long pour le système.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A part of its path is a file, not a folder.</source>
        <translation>Une partie de son chemin est un fichier, et non un dossier.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It cannot be found: %1</source>
        <translation>Le fichier est introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>title</source>
        <extracomment>The fields below are put into the messages about a page that cannot be opened, as %1</extracomment>
        <translation>titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>heading</source>
        <translation>en-tête</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>background colour</source>
        <translation>couleur de fond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>text colour</source>
        <translation>couleur du texte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link colour</source>
        <translation>couleur des liens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>visited link colour</source>
        <translation>couleur des liens visités</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>active link colour</source>
        <translation>couleur des liens actifs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>background picture&apos;s name</source>
        <translation>nom de l&apos;image de fond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>page picture&apos;s name</source>
        <translation>nom de l&apos;image de la page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>page text</source>
        <translation>texte de la page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bullet list</source>
        <translation>liste à puces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>link list</source>
        <translation>liste de liens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e-mail address</source>
        <translation>adresse électronique</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Its page text is %1 bytes long; the Text step holds at most %2 bytes.</source>
        <translation>Le texte de la page fait %1 octets&#xa0;; l&apos;étape Texte en accepte au plus %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Its %1 is %2 characters long; its box holds at most %3.</source>
        <extracomment>%1 is a field such as &quot;title&quot;</extracomment>
        <translation>Dans la page, «&#xa0;%1&#xa0;» compte %2 caractères&#xa0;; sa zone en accepte au plus %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Its page text holds a line break that the text box would change: a CR without LF, or a Unicode line or paragraph separator.</source>
        <translation>Le texte de la page contient un saut de ligne que la zone de texte modifierait&#xa0;: un CR sans LF, ou un séparateur de ligne ou de paragraphe Unicode.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its %1 holds a line break, which its one-line box cannot hold.</source>
        <translation>Dans la page, «&#xa0;%1&#xa0;» contient un saut de ligne, que sa zone d&apos;une seule ligne ne peut pas contenir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Its %1 has %2 entries; the list holds at most %3.</source>
        <translation>Dans la page, «&#xa0;%1&#xa0;» compte %2 entrées&#xa0;; la liste en contient au plus %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its %1 is &quot;%2&quot;: the Colors step shows only #RRGGBB and the 16 colour names of HTML 3.2.</source>
        <translation>Dans la page, «&#xa0;%1&#xa0;» vaut «&#xa0;%2&#xa0;»&#xa0;: l&apos;étape Couleurs n&apos;affiche que #RRGGBB et les 16 noms de couleurs de HTML 3.2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Its text is neither the program&apos;s ASCII, nor UTF-8, nor the ANSI code page.</source>
        <translation>Son texte n&apos;est ni dans l&apos;ASCII du programme, ni en UTF-8, ni dans la page de codes ANSI.</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>This file is empty: it holds no page.</source>
        <translation>Ce fichier est vide&#xa0;: il ne contient aucune page.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This file is not a page made by Larkspan: it does not begin with Larkspan&apos;s comment lines.</source>
        <translation>Ce fichier n&apos;est pas une page créée par Larkspan&#xa0;: il ne commence pas par les lignes de commentaire de Larkspan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This file is not a page made by Larkspan: its head is not the one Larkspan writes.</source>
        <translation>Ce fichier n&apos;est pas une page créée par Larkspan&#xa0;: sa section HEAD n&apos;est pas celle qu&apos;écrit Larkspan.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This page was changed after Larkspan saved it: line %1 is not as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la ligne %1 n&apos;est pas telle que Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>This page was changed after Larkspan saved it: the title line is not as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la ligne du titre n&apos;est pas telle que Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the head does not end as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la section HEAD ne se termine pas comme Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the BODY tag is not as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la balise BODY n&apos;est pas telle que Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page heading is not as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: l&apos;en-tête de la page n&apos;est pas tel que Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the table is not as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: le tableau n&apos;est pas tel que Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page image is not as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: l&apos;image de la page n&apos;est pas telle que Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page text does not begin as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: le texte de la page ne commence pas comme Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page text does not end as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: le texte de la page ne se termine pas comme Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the bullet list does not begin as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la liste à puces ne commence pas comme Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the bullet list does not end as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la liste à puces ne se termine pas comme Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the link list does not begin as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la liste de liens ne commence pas comme Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: a link of the link list is not as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: un lien de la liste de liens n&apos;est pas tel que Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the jump menu of the link list is not as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la liste déroulante de la liste de liens n&apos;est pas telle que Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the script in its head does not fit its link list.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: le script de sa section HEAD ne correspond pas à sa liste de liens.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the link list does not end as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la liste de liens ne se termine pas comme Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the e-mail line of the footer is not as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la ligne de l&apos;adresse électronique du pied de page n&apos;est pas telle que Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the footer is not as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: le pied de page n&apos;est pas tel que Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This page was changed after Larkspan saved it: the page does not end as Larkspan writes it.</source>
        <translation>Cette page a été modifiée après son enregistrement par Larkspan&#xa0;: la page ne se termine pas comme Larkspan l&apos;écrit.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>It is not a regular file, but a folder, a pipe, a device or a socket.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire, mais un dossier, un tube, un périphérique ou une socket.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is larger than 16 MB: no page made by Larkspan is that large.</source>
        <translation>Le fichier dépasse 16 Mo&#xa0;: aucune page créée par Larkspan n&apos;est aussi grande.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+10"/>
        <source>It cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <location filename="../src/ui/picturedialog.cpp" line="+15"/>
        <source>Select an Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Web Images (*.gif,*.jpg,*.jpeg,*.png,*.webp)</source>
        <translation>Images web (*.gif,*.jpg,*.jpeg,*.png,*.webp)</translation>
    </message>
</context>
<context>
    <name>PreviewPicture</name>
    <message>
        <location filename="../src/images/previewpicture.cpp" line="+135"/>
        <source>the file does not exist.</source>
        <translation>le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is a folder, not a picture file.</source>
        <translation>c&apos;est un dossier, et non un fichier image.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is not a regular file (a pipe, a device or a socket).</source>
        <translation>ce n&apos;est pas un fichier ordinaire (c&apos;est un tube, un périphérique ou une socket).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file cannot be opened.</source>
        <translation>le fichier ne peut pas être ouvert.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is not a picture in a format that can be read.</source>
        <translation>ce n&apos;est pas une image dans un format lisible.</translation>
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
Ce fichier n&apos;existe pas.
Créer le fichier&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SavePageFile</name>
    <message>
        <location filename="../src/files/pagefile.cpp" line="-302"/>
        <source>This name belongs to a folder, not to a file; a web page can only replace a regular file.</source>
        <translation>Ce nom est celui d&apos;un dossier, et non d&apos;un fichier&#xa0;; une page web ne peut remplacer qu&apos;un fichier ordinaire.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a named pipe, not to a file; a web page can only replace a regular file.</source>
        <translation>Ce nom est celui d&apos;un tube nommé, et non d&apos;un fichier&#xa0;; une page web ne peut remplacer qu&apos;un fichier ordinaire.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a socket, not to a file; a web page can only replace a regular file.</source>
        <translation>Ce nom est celui d&apos;une socket, et non d&apos;un fichier&#xa0;; une page web ne peut remplacer qu&apos;un fichier ordinaire.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This name belongs to a device, not to a file; a web page can only replace a regular file.</source>
        <translation>Ce nom est celui d&apos;un périphérique, et non d&apos;un fichier&#xa0;; une page web ne peut remplacer qu&apos;un fichier ordinaire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This name belongs to something else, not to a file; a web page can only replace a regular file.</source>
        <translation>Ce nom désigne autre chose qu&apos;un fichier&#xa0;; une page web ne peut remplacer qu&apos;un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>TextPage</name>
    <message>
        <location filename="../src/files/textimport.cpp" line="+82"/>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its size cannot be read: it is not a plain file.</source>
        <translation>Sa taille ne peut pas être lue&#xa0;: ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+18"/>
        <source>It cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+23"/>
        <source>The text box is limited to only 32k.</source>
        <translation>La zone de texte est limitée à 32 Ko.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a plain text file: it holds NUL bytes.</source>
        <translation>Ce n&apos;est pas un fichier texte brut&#xa0;: il contient des octets NUL.</translation>
    </message>
    <message>
        <location filename="../src/wizard/textpage.cpp" line="+37"/>
        <source>Add some text to your web page or import a text file into your web page.</source>
        <translation>Ajoutez du texte à votre page web ou importez-y un fichier texte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Page text</source>
        <translation>Texte de la page</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Enable Key &amp;Mask</source>
        <translation>Activer le &amp;masque de touche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter Key = &lt;B&amp;R&gt;</source>
        <extracomment>&lt;BR&gt; (line break) and &lt;P&gt; (paragraph) are HTML tags, which Enter then types: keep them as they are</extracomment>
        <translation>Touche Entrée = &lt;&amp;BR&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Key = &lt;&amp;P&gt;</source>
        <translation>Touche Entrée = &lt;&amp;P&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Indent Selection</source>
        <translation>Mettre la sélection en retrait</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Plain Text File</source>
        <translation>Importer un fichier texte brut</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Import a Text File</source>
        <translation>Importer un fichier texte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plain Text Files (*.txt)</source>
        <translation>Fichiers texte brut (*.txt)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>There was a problem opening the data file.</source>
        <translation>Un problème est survenu à l&apos;ouverture du fichier.</translation>
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
        <translation>Bienvenue dans Larkspan&#xa0;! C&apos;est la façon la plus simple de créer une page personnelle. Larkspan vous pose une série de questions sur le style et l&apos;apparence de votre page, et vous demande si vous voulez y mettre des images, du texte, des liens et bien plus encore&#xa0;! C&apos;est aussi simple que de remplir un formulaire. À la fin, vous aurez une superbe page qui n&apos;a rien à envier à celles des pros&#xa0;!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Click the Start button to begin !</source>
        <translation>Cliquez sur le bouton Commencer pour démarrer&#xa0;!</translation>
    </message>
</context>
<context>
    <name>larkspan::FilePropertiesWindow</name>
    <message>
        <location filename="../src/platform/filepropertieswindow.cpp" line="+54"/>
        <source>%1 Properties</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 x %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modified:</source>
        <translation>Modifié le&#xa0;:</translation>
    </message>
</context>
<context>
    <name>larkspan::HelpWindow</name>
    <message>
        <location filename="../src/platform/helpwindow.cpp" line="+33"/>
        <source>Larkspan Help</source>
        <translation>Aide de Larkspan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>No help file has been named.</source>
        <translation>Aucun fichier d&apos;aide n&apos;a été indiqué.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The help file %1 cannot be found.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 cannot be read because it is a folder.</source>
        <translation>Le fichier d&apos;aide %1 ne peut pas être lu, car c&apos;est un dossier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The help file %1 cannot be read: %2.</source>
        <translation>Le fichier d&apos;aide %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>larkspan::ImagePage</name>
    <message>
        <location filename="../src/images/imagepage.cpp" line="+62"/>
        <source>Select an image for your web page. It&apos;s a good it idea to select an image that isn&apos;t too large since it will increase the page&apos;s download time.</source>
        <translation>Choisissez une image pour votre page web. Mieux vaut choisir une image pas trop lourde, car elle allonge le temps de chargement de la page.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Include I&amp;mage</source>
        <translation>Inclure une i&amp;mage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Image file name</source>
        <translation>Nom du fichier image</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Browse for Image</source>
        <translation>Parcourir pour choisir une image</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Image Dimensions:</source>
        <translation>Dimensions de l&apos;image&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>x</source>
        <translation>×</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image Preview</source>
        <translation>Aperçu de l&apos;image</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Scroll the preview sideways</source>
        <translation>Faire défiler l&apos;aperçu horizontalement</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scroll the preview up and down</source>
        <translation>Faire défiler l&apos;aperçu verticalement</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Image Properties</source>
        <translation>Pr&amp;opriétés de l&apos;image</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The picture %1 cannot be shown: %2</source>
        <translation>L&apos;image %1 ne peut pas être affichée&#xa0;: %2</translation>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>This picture is too large to show here. Its name and size go into the page.</source>
        <translation>Cette image est trop grande pour être affichée ici. Son nom et sa taille seront inscrits dans la page.</translation>
    </message>
</context>
<context>
    <name>larkspan::PageDropTarget</name>
    <message>
        <location filename="../src/wizard/pagedroptarget.cpp" line="+72"/>
        <source>Replace the answers you have made with those of the page %1?</source>
        <translation>Remplacer vos réponses par celles de la page %1&#xa0;?</translation>
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
        <translation>Visionneuse de source - Lecture seule</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Page source</source>
        <translation>Source de la page</translation>
    </message>
</context>
<context>
    <name>larkspan::frmWiz</name>
    <message>
        <location filename="../src/wizard/frmwiz.cpp" line="+207"/>
        <location line="+339"/>
        <location filename="../src/wizard/steps.cpp" line="+20"/>
        <source>&amp;Start &gt;</source>
        <translation>&amp;Commencer &gt;</translation>
    </message>
    <message>
        <location line="-339"/>
        <location line="+103"/>
        <location filename="../src/wizard/steps.cpp" line="+1"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <location line="-103"/>
        <location filename="../src/wizard/steps.cpp" line="+52"/>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
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
        <translation>&lt; P&amp;récédent</translation>
    </message>
    <message>
        <location line="-101"/>
        <location line="+100"/>
        <location line="+240"/>
        <location filename="../src/wizard/steps.cpp" line="+62"/>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <location line="-339"/>
        <location line="+97"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+98"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>The page %1 cannot be opened.<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>La page %1 ne peut pas être ouverte.<byte value="xd"/>
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
        <translation>Impossible d&apos;afficher le sommaire de l&apos;aide. Aucune aide n&apos;est associée à ce projet.</translation>
    </message>
    <message>
        <location filename="../src/wizard/steps.cpp" line="-62"/>
        <location line="+73"/>
        <source>Larkspan 1.1 - Select a page layout</source>
        <translation>Larkspan 1.1 - Choisissez une mise en page</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+67"/>
        <source>Larkspan 1.1 - Select the color for your page</source>
        <translation>Larkspan 1.1 - Choisissez les couleurs de votre page</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>Larkspan 1.1 - Select an image for your page</source>
        <translation>Larkspan 1.1 - Choisissez une image pour votre page</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+66"/>
        <source>Larkspan 1.1 - Add some text to your page</source>
        <translation>Larkspan 1.1 - Ajoutez du texte à votre page</translation>
    </message>
    <message>
        <location line="-60"/>
        <location line="+66"/>
        <source>Larkspan 1.1 - Add a Bullet List</source>
        <translation>Larkspan 1.1 - Ajoutez une liste à puces</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Larkspan 1.1 - Add links to your page</source>
        <translation>Larkspan 1.1 - Ajoutez des liens à votre page</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Larkspan 1.1- Final Step: Finish your page</source>
        <translation>Larkspan 1.1 - Dernière étape&#xa0;: terminez votre page</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Larkspan 1.1 - Select an image for your page </source>
        <translation>Larkspan 1.1 - Choisissez une image pour votre page</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Larkspan 1.1- Add links to your page</source>
        <translation>Larkspan 1.1 - Ajoutez des liens à votre page</translation>
    </message>
</context>
</TS>
