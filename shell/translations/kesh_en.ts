<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>A propos de kesh</source>
        <translation>About kesh</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AnalysisFigures</name>
    <message>
        <source>Envergure</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Surface ailaire</source>
        <translation>Wing area</translation>
    </message>
    <message>
        <source>Allongement</source>
        <translation>Aspect ratio</translation>
    </message>
    <message>
        <source>Corde moyenne</source>
        <translation>Mean chord</translation>
    </message>
    <message>
        <source>%1 m, bord d&apos;attaque à x = %2 m</source>
        <translation>%1 m, leading edge at x = %2 m</translation>
    </message>
    <message>
        <source>Aile</source>
        <translation>Wing</translation>
    </message>
    <message>
        <source>Centre de gravité estimé</source>
        <translation>Estimated centre of gravity</translation>
    </message>
    <message>
        <source>Inerties estimées</source>
        <translation>Estimated inertia</translation>
    </message>
    <message>
        <source>Foyer</source>
        <translation>Neutral point</translation>
    </message>
    <message>
        <source>Marge statique</source>
        <translation>Static margin</translation>
    </message>
    <message>
        <source>%1 % de la corde moyenne</source>
        <translation>%1 % of the mean chord</translation>
    </message>
    <message>
        <source>Volume de stab</source>
        <translation>Stabiliser volume</translation>
    </message>
    <message>
        <source>Volume de dérive</source>
        <translation>Fin volume</translation>
    </message>
    <message>
        <source>Stabilité</source>
        <translation>Stability</translation>
    </message>
    <message>
        <source>Efficacité d&apos;envergure</source>
        <translation>Span efficiency</translation>
    </message>
    <message>
        <source>Vitesse de décrochage</source>
        <translation>Stall speed</translation>
    </message>
    <message>
        <source>Finesse max</source>
        <translation>Best glide</translation>
    </message>
    <message>
        <source>%1 à %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>Taux de chute mini</source>
        <translation>Minimum sink</translation>
    </message>
    <message>
        <source>%1 m/s à %2</source>
        <translation>%1 m/s at %2</translation>
    </message>
    <message>
        <source>Performances</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>Vitesse (km/h)</source>
        <translation>Speed (km/h)</translation>
    </message>
    <message>
        <source>Polaire des vitesses</source>
        <translation>Speed polar</translation>
    </message>
    <message>
        <source>Taux de chute (m/s)</source>
        <translation>Sink rate (m/s)</translation>
    </message>
    <message>
        <source>Chute mini</source>
        <translation>Minimum sink</translation>
    </message>
    <message>
        <source>Finesse</source>
        <translation>Glide ratio</translation>
    </message>
    <message>
        <source>fr</source>
        <translation>en</translation>
    </message>
    <message>
        <source>impossible, instable</source>
        <translation>impossible, unstable</translation>
    </message>
    <message>
        <source>impossible, piqueur à tous les angles</source>
        <translation>impossible, nose-down at every angle</translation>
    </message>
    <message>
        <source>impossible, cabreur jusqu&apos;au décrochage</source>
        <translation>impossible, nose-up until the stall</translation>
    </message>
    <message>
        <source>Treillis tourbillonnaire</source>
        <translation>Vortex lattice</translation>
    </message>
    <message>
        <source>Vol équilibré</source>
        <translation>Trimmed flight</translation>
    </message>
    <message>
        <source>%1 m/s, finesse %2</source>
        <translation>%1 m/s, glide ratio %2</translation>
    </message>
    <message>
        <source>stab, y = %1 m</source>
        <translation>stabiliser, y = %1 m</translation>
    </message>
    <message>
        <source>bout d&apos;aile, y = %1 m</source>
        <translation>wing tip, y = %1 m</translation>
    </message>
    <message>
        <source>vers l&apos;emplanture, y = %1 m</source>
        <translation>towards the root, y = %1 m</translation>
    </message>
    <message>
        <source>Début du décrochage</source>
        <translation>Stall starts</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Portance le long de l&apos;aile au décrochage</source>
        <translation>Lift along the wing at the stall</translation>
    </message>
    <message>
        <source>Portance le long de l&apos;aile en vol équilibré</source>
        <translation>Lift along the wing in trimmed flight</translation>
    </message>
    <message>
        <source>cl local</source>
        <translation>local cl</translation>
    </message>
    <message>
        <source>cl max du profil</source>
        <translation>airfoil&apos;s cl max</translation>
    </message>
    <message>
        <source>corde × cl (m)</source>
        <translation>chord × cl (m)</translation>
    </message>
    <message>
        <source>y (m)</source>
        <translation>y (m)</translation>
    </message>
    <message>
        <source>cl</source>
        <translation>cl</translation>
    </message>
    <message>
        <source>X %1 ; Y %2 ; Z %3 m</source>
        <translation>X %1, Y %2, Z %3 m</translation>
    </message>
    <message>
        <source>XX %1 ; YY %2 ; ZZ %3 ; XZ %4 kg·m²</source>
        <translation>XX %1, YY %2, ZZ %3, XZ %4 kg·m²</translation>
    </message>
    <message>
        <source>%1 panneaux ; CLα %2 ; Cmα %3 par radian</source>
        <translation>%1 panels, CLα %2, Cmα %3 per radian</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>le nom du fichier contient un octet nul</source>
        <translation>the file name holds a NUL byte</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
</context>
<context>
    <name>CBodyPage</name>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Supr</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Couleurs</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Evaluation du poids</source>
        <translation>Weight estimate</translation>
    </message>
    <message>
        <source>Poids : </source>
        <translation>Weight: </translation>
    </message>
    <message>
        <source>Kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>ajout de section</source>
        <translation>adding a section</translation>
    </message>
    <message>
        <source>suppression de section</source>
        <translation>deleting a section</translation>
    </message>
</context>
<context>
    <name>CFoilWorkshop</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Airfoil Files (*.txt);;All Files (*.*)</source>
        <translation>Airfoil Files (*.txt);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Coordonnées (*.dat *.txt *.cor);;Tous les fichiers (*.*)</source>
        <translation>Coordinates (*.dat *.txt *.cor);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Atelier profils</source>
        <translation>Airfoil workshop</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Airfoil</translation>
    </message>
    <message>
        <source>fichier de coordonnées ou NACA 2412</source>
        <translation>coordinate file or NACA 2412</translation>
    </message>
    <message>
        <source>Source :</source>
        <translation>Source:</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Points :</source>
        <translation>Points:</translation>
    </message>
    <message>
        <source>Ouvrir un profil du simulateur...</source>
        <translation>Open a simulator airfoil...</translation>
    </message>
    <message>
        <source>Reynolds :</source>
        <translation>Reynolds:</translation>
    </message>
    <message>
        <source>Ncrit :</source>
        <translation>Ncrit:</translation>
    </message>
    <message>
        <source>Pas d&apos;angle (°) :</source>
        <translation>Angle step (°):</translation>
    </message>
    <message>
        <source>Extension à ±180°</source>
        <translation>Extension to ±180°</translation>
    </message>
    <message>
        <source>cd max :</source>
        <translation>cd max:</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Enregistrer...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Portance</source>
        <translation>Lift</translation>
    </message>
    <message>
        <source>angle (°)</source>
        <translation>angle (°)</translation>
    </message>
    <message>
        <source>Polaire</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Finesse</source>
        <translation>Glide ratio</translation>
    </message>
    <message>
        <source>Tout le cercle</source>
        <translation>Whole circle</translation>
    </message>
    <message>
        <source>points : XFOIL ; trait : polaire du fichier, extension comprise</source>
        <translation>points: XFOIL; line: the file&apos;s polar, extension included</translation>
    </message>
    <message>
        <source>Fichier de coordonnées</source>
        <translation>Coordinate file</translation>
    </message>
    <message>
        <source>Choisissez un fichier de coordonnées ou tapez un code NACA.</source>
        <translation>Choose a coordinate file or type a NACA code.</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>%1 : %2 points, %3 polaires</source>
        <translation>%1: %2 points, %3 polars</translation>
    </message>
    <message>
        <source>Tapez un nombre.</source>
        <translation>Type a number.</translation>
    </message>
    <message>
        <source>Tapez un nombre compris entre %1 et %2.</source>
        <translation>Type a number between %1 and %2.</translation>
    </message>
    <message>
        <source>Tapez un nom de profil en caractères latins.</source>
        <translation>Type an airfoil name in Latin characters.</translation>
    </message>
    <message>
        <source>Calcul en cours...</source>
        <translation>Computing...</translation>
    </message>
    <message>
        <source>Re %1 : %2°</source>
        <translation>Re %1: %2°</translation>
    </message>
    <message>
        <source>Re %1 : %2 points</source>
        <translation>Re %1: %2 points</translation>
    </message>
    <message>
        <source>Re %1 : échec</source>
        <translation>Re %1: failed</translation>
    </message>
    <message>
        <source>Re %1 : annulé</source>
        <translation>Re %1: cancelled</translation>
    </message>
    <message>
        <source>Calcul annulé.</source>
        <translation>Computation cancelled.</translation>
    </message>
    <message>
        <source>Aucun résultat.</source>
        <translation>No result.</translation>
    </message>
    <message>
        <source>XFOIL n&apos;a donné aucun point convergé.
</source>
        <translation>XFOIL gave no converged point.
</translation>
    </message>
    <message>
        <source>Ces nombres de Reynolds sont laissés de côté :
</source>
        <translation>These Reynolds numbers are left out:
</translation>
    </message>
    <message>
        <source>%1 polaires calculées.</source>
        <translation>%1 polars computed.</translation>
    </message>
    <message>
        <source>Impossible de créer le répertoire %1.</source>
        <translation>Cannot create the directory %1.</translation>
    </message>
    <message>
        <source>Enregistrer le profil</source>
        <translation>Save the airfoil</translation>
    </message>
    <message>
        <source>Les profils du simulateur s&apos;enregistrent dans %1.</source>
        <translation>The simulator&apos;s airfoils are saved in %1.</translation>
    </message>
    <message>
        <source>%1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Enregistré : %1</source>
        <translation>Saved: %1</translation>
    </message>
</context>
<context>
    <name>CGeneralPage</name>
    <message>
        <source>Nom : </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Fichier :</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Profil :</source>
        <translation>Airfoil:</translation>
    </message>
    <message>
        <source>Poids : </source>
        <translation>Weight: </translation>
    </message>
    <message>
        <source>Kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Envergure : </source>
        <translation>Span: </translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Charge ailaire :</source>
        <translation>Wing loading:</translation>
    </message>
    <message>
        <source>g/dm ²</source>
        <translation>g/dm ²</translation>
    </message>
    <message>
        <source>Surface ailaire :</source>
        <translation>Wing area:</translation>
    </message>
    <message>
        <source>dm ²</source>
        <translation>dm ²</translation>
    </message>
    <message>
        <source>Nomenclature</source>
        <translation>Parts list</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Aucun planeurs en cours d&apos;edition</source>
        <translation>No glider being edited</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire la nomenclature dans %1.</source>
        <translation>Cannot write the parts list to %1.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>LEFT</source>
        <translation>LEFT</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>FREE</source>
        <translation>FREE</translation>
    </message>
    <message>
        <source>glider (*.gli);;Tous les fichiers (*.*)</source>
        <translation>glider (*.gli);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>%1
Impossible de trouver ce fichier. Vérifiez que le chemin et le nom du fichier sont corrects.</source>
        <translation>%1
File not found. Check that the path and the file name are correct.</translation>
    </message>
    <message>
        <source>L&apos;ouverture du document a échoué.</source>
        <translation>The document could not be opened.</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Sauver sous</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>%1 existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Enregistrer les modifications de %1 ?</source>
        <translation>Save the changes to %1?</translation>
    </message>
    <message>
        <source>La copie de secours de %1 n&apos;a pas pu être relue ; elle est gardée pour le prochain démarrage.

%2</source>
        <translation>The recovery copy of %1 could not be read back; it is kept for the next start.

%2</translation>
    </message>
    <message>
        <source>&amp;Nouveau	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>Crée un nouveau document</source>
        <translation>Creates a new document</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Ouvrir...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>Ouvre un document existant</source>
        <translation>Opens an existing document</translation>
    </message>
    <message>
        <source>&amp;Sauver	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Enregistre le planeur actif dans le répertoire du simulateur</source>
        <translation>Saves the active glider into the simulator&apos;s directory</translation>
    </message>
    <message>
        <source>Sauver</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Sauver sous ...</source>
        <translation>Save as ...</translation>
    </message>
    <message>
        <source>Enregistre une copie du planeur actif sous un autre nom</source>
        <translation>Saves a copy of the active glider under another name</translation>
    </message>
    <message>
        <source>Set&amp;up ...</source>
        <translation>Set&amp;up ...</translation>
    </message>
    <message>
        <source>Indique le fichier vantair.ini du simulateur</source>
        <translation>Names the simulator&apos;s vantair.ini file</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>C&amp;onfiguration de l&apos;impression...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Modifie les options d&apos;impression</source>
        <translation>Changes the printing options</translation>
    </message>
    <message>
        <source>Configuration de l&apos;impression</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Quitte l&apos;application</source>
        <translation>Quits the application</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Barre d&apos;outils</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Affiche ou masque la barre d&apos;outils</source>
        <translation>Shows or hides the toolbar</translation>
    </message>
    <message>
        <source>Barre d&apos;outils</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Barre d&apos;é&amp;tat</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Affiche ou masque la barre d&apos;état</source>
        <translation>Shows or hides the status bar</translation>
    </message>
    <message>
        <source>Barre d&apos;état</source>
        <translation>Status Bar</translation>
    </message>
    <message>
        <source>Barre parametres</source>
        <translation>Parameters bar</translation>
    </message>
    <message>
        <source>Affiche ou masque la barre des paramètres du planeur</source>
        <translation>Shows or hides the glider&apos;s parameters bar</translation>
    </message>
    <message>
        <source>Affiche ou masque la barre d&apos;outils du planeur</source>
        <translation>Shows or hides the glider&apos;s tools bar</translation>
    </message>
    <message>
        <source>Vue de gauche</source>
        <translation>Left view</translation>
    </message>
    <message>
        <source>Ouvre une fenêtre de plus, vue de gauche</source>
        <translation>Opens one more window, left view</translation>
    </message>
    <message>
        <source>Vue de haut</source>
        <translation>Top view</translation>
    </message>
    <message>
        <source>Ouvre une fenêtre de plus, vue de haut</source>
        <translation>Opens one more window, top view</translation>
    </message>
    <message>
        <source>Vue de face</source>
        <translation>Front view</translation>
    </message>
    <message>
        <source>Ouvre une fenêtre de plus, vue de face</source>
        <translation>Opens one more window, front view</translation>
    </message>
    <message>
        <source>Vue libre</source>
        <translation>Free view</translation>
    </message>
    <message>
        <source>Ouvre une fenêtre de plus, vue libre</source>
        <translation>Opens one more window, free view</translation>
    </message>
    <message>
        <source>&amp;A propos de kesh...</source>
        <translation>&amp;About kesh...</translation>
    </message>
    <message>
        <source>Affiche le nom et la version du programme</source>
        <translation>Shows the program&apos;s name and version</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;Annuler	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>Annule la dernière action</source>
        <translation>Undoes the last action</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>&amp;Rétablir	Ctrl+Y</source>
        <translation>&amp;Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>Rétablit l&apos;action annulée</source>
        <translation>Redoes the undone action</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Couper	Ctrl+X</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>Coupe la sélection et la place dans le Presse-papiers</source>
        <translation>Cuts the selection and puts it on the Clipboard</translation>
    </message>
    <message>
        <source>Couper</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>&amp;Copier	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>Copie la sélection et la place dans le Presse-papiers</source>
        <translation>Copies the selection and puts it on the Clipboard</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>C&amp;oller	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>Insère le contenu du Presse-papiers</source>
        <translation>Inserts the Clipboard contents</translation>
    </message>
    <message>
        <source>Coller</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>&amp;Imprimer...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>Imprime le document actif</source>
        <translation>Prints the active document</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Volet suivant</source>
        <translation>Next pane</translation>
    </message>
    <message>
        <source>Passe au volet suivant de la fenêtre</source>
        <translation>Switches to the next window pane</translation>
    </message>
    <message>
        <source>Volet précédent</source>
        <translation>Previous pane</translation>
    </message>
    <message>
        <source>Revient au volet précédent de la fenêtre</source>
        <translation>Switches back to the previous window pane</translation>
    </message>
    <message>
        <source>Cadrer	F</source>
        <translation>Frame	F</translation>
    </message>
    <message>
        <source>Montre tout le planeur dans la vue active</source>
        <translation>Shows the whole glider in the active view</translation>
    </message>
    <message>
        <source>Cadrer</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Atelier profils...</source>
        <translation>Airfoil workshop...</translation>
    </message>
    <message>
        <source>Calcule les polaires d&apos;un profil avec XFOIL et écrit son fichier</source>
        <translation>Computes an airfoil&apos;s polars with XFOIL and writes its file</translation>
    </message>
    <message>
        <source>Atelier profils</source>
        <translation>Airfoil workshop</translation>
    </message>
    <message>
        <source>Rapport...</source>
        <translation>Report...</translation>
    </message>
    <message>
        <source>Écrit le rapport du planeur actif et l&apos;ouvre</source>
        <translation>Writes the active glider&apos;s report and opens it</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Ouvre ce document</source>
        <translation>Opens this document</translation>
    </message>
    <message>
        <source>Fichier récent</source>
        <translation>Recent file</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Rétablir</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edition</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Affichage</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Outils</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Prêt</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>MAJ</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>DEF</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Params glider bar</source>
        <translation>Params glider bar</translation>
    </message>
    <message>
        <source>Tools glider bar</source>
        <translation>Tools glider bar</translation>
    </message>
    <message>
        <source>Aucun planeurs en cours d&apos;edition</source>
        <translation>No glider being edited</translation>
    </message>
    <message>
        <source> - rapport.html</source>
        <translation> - report.html</translation>
    </message>
    <message>
        <source>Page HTML (*.html *.htm);;Tous les fichiers (*.*)</source>
        <translation>HTML page (*.html *.htm);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le rapport dans %1.
%2</source>
        <translation>Cannot write the report to %1.
%2</translation>
    </message>
    <message>
        <source>Planeur enregistré dans %1</source>
        <translation>Glider saved in %1</translation>
    </message>
    <message>
        <source>Aucun fichier vantair.ini n&apos;est choisi dans &apos;Fichier&apos; &apos;Setup&apos;.

Enregistrer dans le simulateur du répertoire de travail, avec %1 ?
(Ce choix est gardé ; Setup le change.)</source>
        <translation>No vantair.ini file is chosen in &apos;File&apos; &apos;Setup&apos;.

Save into the simulator of the working directory, with %1?
(This choice is kept; Setup changes it.)</translation>
    </message>
    <message>
        <source>Le profil %1 existe déjà dans le simulateur et diffère de celui du modèle.
Le remplacer par celui du modèle ?</source>
        <translation>The airfoil %1 is already in the simulator and differs from the template&apos;s.
Replace it with the template&apos;s?</translation>
    </message>
    <message>
        <source>Remplacer</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Garder l&apos;existant</source>
        <translation>Keep the existing one</translation>
    </message>
</context>
<context>
    <name>CMiscPage</name>
    <message>
        <source>Aucun planeurs en cours d&apos;edition</source>
        <translation>No glider being edited</translation>
    </message>
    <message>
        <source>Copier l&apos;estimation</source>
        <translation>Copy the estimate</translation>
    </message>
    <message>
        <source>Reprend le centre de gravité estimé</source>
        <translation>Takes the estimated centre of gravity</translation>
    </message>
    <message>
        <source>Reprend les moments d&apos;inertie estimés</source>
        <translation>Takes the estimated moments of inertia</translation>
    </message>
    <message>
        <source>Centre de gravité</source>
        <translation>Centre of gravity</translation>
    </message>
    <message>
        <source>X :</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y :</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Z :</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Moments d&apos;inertie</source>
        <translation>Moments of inertia</translation>
    </message>
    <message>
        <source>XX :</source>
        <translation>XX:</translation>
    </message>
    <message>
        <source>YY : </source>
        <translation>YY: </translation>
    </message>
    <message>
        <source>ZZ : </source>
        <translation>ZZ: </translation>
    </message>
    <message>
        <source>XZ : </source>
        <translation>XZ: </translation>
    </message>
    <message>
        <source>Trainées</source>
        <translation>Drag</translation>
    </message>
    <message>
        <source>Trainée induite des ailes</source>
        <translation>Induced drag of the wings</translation>
    </message>
    <message>
        <source>Trainée induite du stab</source>
        <translation>Induced drag of the stabiliser</translation>
    </message>
    <message>
        <source>Trainée du fuselage</source>
        <translation>Fuselage drag</translation>
    </message>
    <message>
        <source>Calcul</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Graphique</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Pas de polaire des vitesses : %1.</source>
        <translation>No speed polar: %1.</translation>
    </message>
    <message>
        <source>Pas de centre de gravité estimé : %1.</source>
        <translation>No estimated centre of gravity: %1.</translation>
    </message>
    <message>
        <source>Pas de moments d&apos;inertie estimés : %1.</source>
        <translation>No estimated moments of inertia: %1.</translation>
    </message>
    <message>
        <source>&lt;div&gt;%1 : &lt;b&gt;%2&lt;/b&gt;&lt;/div&gt;</source>
        <translation>&lt;div&gt;%1: &lt;b&gt;%2&lt;/b&gt;&lt;/div&gt;</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>X vers l&apos;avant depuis le nez : négatif derrière lui.</source>
        <translation>X forward from the nose: negative behind it.</translation>
    </message>
</context>
<context>
    <name>CMyglView</name>
    <message>
        <source>Cant create openGL MS rendering context</source>
        <translation>Cant create openGL MS rendering context</translation>
    </message>
    <message>
        <source>Unsupported Pixel Format</source>
        <translation>Unsupported Pixel Format</translation>
    </message>
</context>
<context>
    <name>CParamBarDlg</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Aile</source>
        <translation>Wing</translation>
    </message>
    <message>
        <source>Fuselage</source>
        <translation>Fuselage</translation>
    </message>
    <message>
        <source>Stab</source>
        <translation>Stab</translation>
    </message>
    <message>
        <source>Derive</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Divers</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Général</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Stabilisateur</source>
        <translation>Stabiliser</translation>
    </message>
    <message>
        <source>Dérive</source>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>CParamPage</name>
    <message>
        <source>Tapez un nombre.</source>
        <translation>Type a number.</translation>
    </message>
    <message>
        <source>Tapez un nombre compris entre %1 et %2.</source>
        <translation>Type a number between %1 and %2.</translation>
    </message>
    <message>
        <source>Le caractère &apos;%1&apos; du champ &apos;%2&apos; ne peut pas être écrit dans un fichier planeur.</source>
        <translation>The character &apos;%1&apos; of the field &apos;%2&apos; cannot be written into a glider file.</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ligne %1 : « %2 » doit être plus grand que 0.</source>
        <translation>Row %1: “%2” must be greater than 0.</translation>
    </message>
    <message>
        <source>Ligne %1 : « %2 » vaut %3 m, au-delà des %4 m que montre le simulateur.</source>
        <translation>Row %1: “%2” is %3 m, beyond the %4 m the simulator shows.</translation>
    </message>
</context>
<context>
    <name>CPolarWindow</name>
    <message>
        <source>Exporter en PNG...</source>
        <translation>Export as PNG...</translation>
    </message>
    <message>
        <source>Exporter en SVG...</source>
        <translation>Export as SVG...</translation>
    </message>
    <message>
        <source>Polaire des vitesses - %1</source>
        <translation>Speed polar - %1</translation>
    </message>
    <message>
        <source>Image SVG (*.svg);;Tous les fichiers (*.*)</source>
        <translation>SVG image (*.svg);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Image PNG (*.png);;Tous les fichiers (*.*)</source>
        <translation>PNG image (*.png);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Exporter la polaire</source>
        <translation>Export the polar</translation>
    </message>
    <message>
        <source>polaire.%1</source>
        <translation>polar.%1</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire %1.</source>
        <translation>Cannot write %1.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Polaire périmée (%1) : elle montre le planeur d&apos;avant.</source>
        <translation>Speed polar out of date (%1): it shows the glider as it was.</translation>
    </message>
</context>
<context>
    <name>CStabPage</name>
    <message>
        <source>Stab en V</source>
        <translation>V-tail</translation>
    </message>
</context>
<context>
    <name>CSurfacePage</name>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Supr</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Ke</source>
        <translation>Ke</translation>
    </message>
    <message>
        <source>Ks</source>
        <translation>Ks</translation>
    </message>
    <message>
        <source>Longeur</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Fleche</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>Diedre</source>
        <translation>Dihedral</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>X :</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y :</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Z :</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Calage : </source>
        <translation>Incidence: </translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Deg</translation>
    </message>
    <message>
        <source>Evaluation du poids</source>
        <translation>Weight estimate</translation>
    </message>
    <message>
        <source>Poids :</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>Fichier Profil : </source>
        <translation>Airfoil file: </translation>
    </message>
    <message>
        <source>Fichier Profil</source>
        <translation>Airfoil file</translation>
    </message>
    <message>
        <source>Nombre de sections maximum atteind</source>
        <translation>Maximum number of sections reached</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Airfoil Files (*.txt);;All Files (*.*)</source>
        <translation>Airfoil Files (*.txt);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>ajout de panneau</source>
        <translation>adding a pane</translation>
    </message>
    <message>
        <source>suppression de panneau</source>
        <translation>deleting a pane</translation>
    </message>
    <message>
        <source>couleur</source>
        <translation>colour</translation>
    </message>
</context>
<context>
    <name>CToolsBarDlg</name>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Screen cpy</source>
        <translation>Screen cpy</translation>
    </message>
    <message>
        <source>Aile</source>
        <translation>Wing</translation>
    </message>
    <message>
        <source>Fuselage</source>
        <translation>Fuselage</translation>
    </message>
    <message>
        <source>Stab</source>
        <translation>Stab</translation>
    </message>
    <message>
        <source>Derive</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Zoom : </source>
        <translation>Zoom: </translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Couleur</source>
        <translation>Colour</translation>
    </message>
</context>
<context>
    <name>CoordinateFile</name>
    <message>
        <source>Ligne %1 : coordonnée qui n&apos;est pas un nombre fini.</source>
        <translation>Line %1: a coordinate that is not a finite number.</translation>
    </message>
    <message>
        <source>Le fichier a plus de %1 points : ce n&apos;est pas un fichier de coordonnées.</source>
        <translation>The file has more than %1 points: it is not a coordinate file.</translation>
    </message>
    <message>
        <source>Ligne %1 : deux nombres attendus.</source>
        <translation>Line %1: two numbers expected.</translation>
    </message>
    <message>
        <source>Le fichier annonce %1 et %2 points mais en contient %3.</source>
        <translation>The file announces %1 and %2 points but holds %3.</translation>
    </message>
    <message>
        <source>Le contour n&apos;a pas de corde : ses points sont confondus.</source>
        <translation>The outline has no chord: its points coincide.</translation>
    </message>
    <message>
        <source>Le point %1 sort de la corde une fois le profil ramené à la corde 1 : ce n&apos;est pas un contour de profil.</source>
        <translation>Point %1 leaves the chord once the airfoil is scaled to chord 1: it is not an airfoil outline.</translation>
    </message>
    <message>
        <source>Le contour se recoupe (entre les points %1 et %2).</source>
        <translation>The outline crosses itself (between points %1 and %2).</translation>
    </message>
    <message>
        <source>Le fichier ne contient aucune coordonnée.</source>
        <translation>The file holds no coordinates.</translation>
    </message>
    <message>
        <source>Le profil n&apos;a que %1 points différents : il en faut au moins %2.</source>
        <translation>The airfoil has only %1 distinct points: it needs at least %2.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier « %1 ».</source>
        <translation>Cannot read the file “%1”.</translation>
    </message>
    <message>
        <source>Le fichier « %1 » est trop gros pour des coordonnées.</source>
        <translation>The file “%1” is too large for coordinates.</translation>
    </message>
</context>
<context>
    <name>DesignAssistant</name>
    <message>
        <source>%1 m/s</source>
        <translation>%1 m/s</translation>
    </message>
    <message>
        <source>pas d&apos;équilibre</source>
        <translation>no trim</translation>
    </message>
    <message>
        <source>Centrer...</source>
        <translation>Balance...</translation>
    </message>
    <message>
        <source>Caler...</source>
        <translation>Trim...</translation>
    </message>
    <message>
        <source>Place le centre de gravité pour une marge statique choisie</source>
        <translation>Places the centre of gravity for a chosen static margin</translation>
    </message>
    <message>
        <source>Cale le stabilisateur pour une vitesse d&apos;équilibre choisie</source>
        <translation>Sets the stabiliser&apos;s incidence for a chosen trim speed</translation>
    </message>
    <message>
        <source>Centrer</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Centre de gravité, x : %1 m → %2 m
Marge statique : %3 % → %4 %
Vitesse d&apos;équilibre : %5 → %6</source>
        <translation>Centre of gravity, x: %1 m → %2 m
Static margin: %3 % → %4 %
Trim speed: %5 → %6</translation>
    </message>
    <message>
        <source>Caler</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Calage du stabilisateur : %1° → %2°
Vitesse d&apos;équilibre : %3 → %4</source>
        <translation>Stabiliser incidence: %1° → %2°
Trim speed: %3 → %4</translation>
    </message>
    <message>
        <source>Assistant</source>
        <translation>Assistant</translation>
    </message>
    <message>
        <source>Rien n&apos;a été changé : %1.</source>
        <translation>Nothing was changed: %1.</translation>
    </message>
</context>
<context>
    <name>FoilBuilder</name>
    <message>
        <source>Le nombre de points du profil doit aller de %1 à %2.</source>
        <translation>The airfoil&apos;s point count must be from %1 to %2.</translation>
    </message>
    <message>
        <source>Aucun nombre de Reynolds n&apos;a donné de point convergé.</source>
        <translation>No Reynolds number gave a converged point.</translation>
    </message>
    <message>
        <source>Le cd maximal de l&apos;extension doit aller de %1 à %2.</source>
        <translation>The extension&apos;s maximum cd must be from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>FoilFile</name>
    <message>
        <source>Le fichier profil &apos;%1&apos; est trop gros (plus de 16 Mo).</source>
        <translation>The airfoil file &apos;%1&apos; is too large (over 16 MB).</translation>
    </message>
</context>
<context>
    <name>FoilImport</name>
    <message>
        <source>%1 lignes de texte ignorées après les coordonnées</source>
        <translation>%1 lines of text after the coordinates ignored</translation>
    </message>
    <message>
        <source>Tapez de 1 à %1 nombres de Reynolds entiers, de %2 à %3, séparés par des virgules.</source>
        <translation>Type 1 to %1 whole Reynolds numbers, from %2 to %3, separated by commas.</translation>
    </message>
    <message>
        <source>Le profil n&apos;a pas de nom.</source>
        <translation>The airfoil has no name.</translation>
    </message>
    <message>
        <source>Aucune polaire n&apos;a été calculée.</source>
        <translation>No polar has been computed.</translation>
    </message>
    <message>
        <source>1 ligne de texte ignorée après les coordonnées</source>
        <translation>1 line of text after the coordinates ignored</translation>
    </message>
</context>
<context>
    <name>FoilWriter</name>
    <message>
        <source>Le nom du profil ne peut contenir ni guillemet, ni crochet, ni « // », ni caractère de contrôle.</source>
        <translation>The airfoil name cannot hold a quote, a bracket, “//” or a control character.</translation>
    </message>
    <message>
        <source>Le profil n&apos;a aucune polaire à écrire.</source>
        <translation>The airfoil has no polar to write.</translation>
    </message>
    <message>
        <source>Un fichier profil porte de 1 à %1 points.</source>
        <translation>An airfoil file holds 1 to %1 points.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier profil « %1 » : %2. Le fichier précédent n&apos;a pas été modifié.</source>
        <translation>Cannot write the airfoil file “%1”: %2. The previous file was not changed.</translation>
    </message>
</context>
<context>
    <name>GliderFile</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Le fichier planeur &apos;%1&apos; est trop gros (plus de 16 Mo).</source>
        <translation>The glider file &apos;%1&apos; is too large (over 16 MB).</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier planeur &apos;%1&apos;.</source>
        <translation>Cannot read the glider file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>La section [%1] déclare %2 panneaux ; une surface en a de 0 à 10.</source>
        <translation>The [%1] section declares %2 panes; a surface has 0 to 10.</translation>
    </message>
    <message>
        <source>Le nom de fichier &apos;%1&apos; contient un caractère que le fichier planeur ne peut pas contenir (Windows-1252).</source>
        <translation>The file name &apos;%1&apos; holds a character that the glider file cannot hold (Windows-1252).</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier planeur &apos;%1&apos; : %2.

Le fichier précédent n&apos;a pas été modifié.</source>
        <translation>Cannot write the glider file &apos;%1&apos;: %2.

The previous file was not changed.</translation>
    </message>
    <message>
        <source>Le fichier &apos;%1&apos; n&apos;est pas un fichier planeur : aucune de ses %2 lignes n&apos;ouvre une section [main], [wing], [hstab], [vstab] ou [body].</source>
        <translation>The file &apos;%1&apos; is not a glider file: none of its %2 lines opens a [main], [wing], [hstab], [vstab] or [body] section.</translation>
    </message>
    <message>
        <source>Le fichier &apos;%1&apos; n&apos;est pas un fichier planeur : la section [main] est absente ou vide (ligne %2).</source>
        <translation>The file &apos;%1&apos; is not a glider file: the [main] section is missing or empty (line %2).</translation>
    </message>
    <message>
        <source>Le fichier planeur &apos;%1&apos; est incomplet : la section [%2] manque (le fichier s&apos;arrête à la ligne %3).</source>
        <translation>The glider file &apos;%1&apos; is incomplete: the [%2] section is missing (the file ends at line %3).</translation>
    </message>
    <message>
        <source>Le fichier planeur &apos;%1&apos; est incomplet : la section [%2] de la ligne %3 n&apos;a pas de clé %4.</source>
        <translation>The glider file &apos;%1&apos; is incomplete: the [%2] section at line %3 has no %4 key.</translation>
    </message>
</context>
<context>
    <name>GliderTemplates</name>
    <message>
        <source>Planeur vide : chaque pièce à compléter</source>
        <translation>Empty glider: every part to fill in</translation>
    </message>
    <message>
        <source>Planeur thermique de 2 m, polyèdre, direction et profondeur</source>
        <translation>2 m thermal glider, polyhedral, rudder and elevator</translation>
    </message>
    <message>
        <source>Planeur lancé main de 1,5 m</source>
        <translation>1.5 m hand-launch glider</translation>
    </message>
    <message>
        <source>Planeur de durée thermique de 3,5 m, aile effilée et ailerons</source>
        <translation>3.5 m thermal-duration glider, tapered wing and ailerons</translation>
    </message>
    <message>
        <source>Aile volante de pente de 2 m, en flèche, profil autostable, sans stabilisateur</source>
        <translation>2 m slope flying wing, swept, reflexed section, no stabiliser</translation>
    </message>
    <message>
        <source>Planeur de 2,5 m à empennage en V et ailerons</source>
        <translation>2.5 m V-tail glider with ailerons</translation>
    </message>
    <message>
        <source>Le modèle &apos;%1&apos; n&apos;existe pas.</source>
        <translation>There is no template &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossible de lire le profil &apos;%1&apos;.</source>
        <translation>Cannot read the airfoil &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le profil &apos;%1&apos; : %2.</source>
        <translation>Cannot write the airfoil &apos;%1&apos;: %2.</translation>
    </message>
</context>
<context>
    <name>GridRows</name>
    <message>
        <source>Aucune lignes n&apos;est selectionnées !</source>
        <translation>No row is selected!</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Voulez-vous detruire la ligne %1 ?</source>
        <translation>Do you want to delete row %1?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>PaccFile</name>
    <message>
        <source>ligne %1 illisible</source>
        <translation>line %1 unreadable</translation>
    </message>
</context>
<context>
    <name>PolarCurves</name>
    <message>
        <source>Re %1</source>
        <translation>Re %1</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RecoveryDialog</name>
    <message>
        <source>jamais enregistré</source>
        <translation>never saved</translation>
    </message>
    <message>
        <source>%1 — %2 (copie du %3)</source>
        <translation>%1 — %2 (copy of %3)</translation>
    </message>
    <message>
        <source>fr</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Récupération</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>L&apos;éditeur s&apos;est arrêté sans fermer ces planeurs modifiés.
Les planeurs cochés sont rouverts comme documents modifiés ; les autres sont supprimés.</source>
        <translation>The editor stopped without closing these modified gliders.
The checked gliders are reopened as modified documents; the others are deleted.</translation>
    </message>
    <message>
        <source>Rouvrir</source>
        <translation>Reopen</translation>
    </message>
    <message>
        <source>Plus tard</source>
        <translation>Later</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>La copie de secours de %1 n&apos;a pas pu être écrite : %2</source>
        <translation>The recovery copy of %1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Vantair ini :</source>
        <translation>Vantair ini:</translation>
    </message>
    <message>
        <source>Langue :</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>La langue choisie s&apos;applique au prochain démarrage.</source>
        <translation>The chosen language takes effect at the next start.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vantair ini (vantair.ini);;All Files (*.*)</source>
        <translation>Vantair ini (vantair.ini);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Le fichier &apos;%1&apos; n&apos;existe pas.

Choisissez le fichier vantair.ini du simulateur.</source>
        <translation>The file &apos;%1&apos; does not exist.

Choose the simulator&apos;s vantair.ini file.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas un fichier .ini.

Choisissez le fichier vantair.ini du simulateur.</source>
        <translation>&apos;%1&apos; is not an .ini file.

Choose the simulator&apos;s vantair.ini file.</translation>
    </message>
</context>
<context>
    <name>SimulatorPaths</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Impossible de créer le répertoire &apos;%1&apos;.

Vérifiez que le répertoire &apos;gliders&apos; existe à côté de vantair.ini et qu&apos;il est accessible en écriture.</source>
        <translation>Cannot create the directory &apos;%1&apos;.

Check that the &apos;gliders&apos; directory exists beside vantair.ini and can be written to.</translation>
    </message>
    <message>
        <source>Chemin pour Vantair n&apos;est pas trouvé !

Allez dans le  menu &apos;Fichier&apos; &apos;Setup&apos; avant de sauver</source>
        <translation>Path for Vantair not found!

Go to the &apos;File&apos; &apos;Setup&apos; menu before saving</translation>
    </message>
    <message>
        <source>Le planeur courant n&apos;a pas de nom !</source>
        <translation>The current glider has no name!</translation>
    </message>
    <message>
        <source>Le nom du planeur &apos;%1&apos; ne peut pas servir de nom de répertoire.

Il ne doit contenir ni \, ni /, ni &quot;, ni [ et ne peut pas être . ou ..</source>
        <translation>The glider name &apos;%1&apos; cannot be used as a directory name.

It must not contain \, /, &quot; or [ and cannot be . or ..</translation>
    </message>
    <message>
        <source>Le nom de fichier &apos;%1&apos; ne convient pas.</source>
        <translation>The file name &apos;%1&apos; is not suitable.</translation>
    </message>
</context>
<context>
    <name>SkinActions</name>
    <message>
        <source>Texture Files (*.raw);;Images (%1);;All Files (*.*)</source>
        <translation>Texture Files (*.raw);;Images (%1);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>L&apos;image fait %1 x %2 pixels ; une texture fait 256 x 256. Mettre l&apos;image entière à l&apos;échelle ou recadrer son carré central ?</source>
        <translation>The image is %1 x %2 pixels; a texture is 256 x 256. Scale the whole image or crop its central square?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Mettre à l&apos;échelle</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Recadrer</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Enregistrer la texture</source>
        <translation>Save the texture</translation>
    </message>
    <message>
        <source>Texture Files (*.raw);;All Files (*.*)</source>
        <translation>Texture Files (*.raw);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire la texture &apos;%1&apos; : %2.</source>
        <translation>Cannot write the texture &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire l&apos;image &apos;%1&apos; : %2.</source>
        <translation>Cannot write the image &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>Le planeur n&apos;a pas d&apos;aile à peindre.</source>
        <translation>The glider has no wing to paint.</translation>
    </message>
    <message>
        <source>Le planeur n&apos;a pas de stabilisateur à peindre.</source>
        <translation>The glider has no stabiliser to paint.</translation>
    </message>
    <message>
        <source>Le planeur n&apos;a pas de dérive à peindre.</source>
        <translation>The glider has no fin to paint.</translation>
    </message>
    <message>
        <source>Le planeur n&apos;a pas de fuselage à peindre.</source>
        <translation>The glider has no fuselage to paint.</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Aucune texture n&apos;est nommée.</source>
        <translation>No texture is named.</translation>
    </message>
    <message>
        <source>Exporter la texture</source>
        <translation>Export the texture</translation>
    </message>
    <message>
        <source>Taille du gabarit :</source>
        <translation>Template size:</translation>
    </message>
    <message>
        <source>Enregistrer le gabarit</source>
        <translation>Save the template</translation>
    </message>
    <message>
        <source>Exporter en PNG...</source>
        <translation>Export as PNG...</translation>
    </message>
    <message>
        <source>La texture en image, pour la retoucher</source>
        <translation>The texture as an image, to retouch it</translation>
    </message>
    <message>
        <source>Gabarit...</source>
        <translation>Template...</translation>
    </message>
    <message>
        <source>Gabarit de peinture : la place de chaque panneau sur la texture</source>
        <translation>Painting template: each pane&apos;s place on the texture</translation>
    </message>
    <message>
        <source>Fichier Texture</source>
        <translation>Texture file</translation>
    </message>
    <message>
        <source>Fichier Texture : </source>
        <translation>Texture file: </translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <source>Nouveau planeur</source>
        <translation>New glider</translation>
    </message>
    <message>
        <source>Partir de quel modèle ?</source>
        <translation>Start from which template?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TextureFile</name>
    <message>
        <source>une texture fait %1 octets, pas %2</source>
        <translation>a texture is %1 bytes, not %2</translation>
    </message>
</context>
<context>
    <name>TextureImage</name>
    <message>
        <source>Le fichier %1 est introuvable.</source>
        <translation>The file %1 cannot be found.</translation>
    </message>
    <message>
        <source>Impossible de lire l&apos;image %1 (%2).</source>
        <translation>Cannot read the image %1 (%2).</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas une texture 256 x 256 : %2 octets au lieu de %3.</source>
        <translation>The file %1 is not a 256 x 256 texture: %2 bytes instead of %3.</translation>
    </message>
    <message>
        <source>Impossible de lire la texture %1.</source>
        <translation>Cannot read the texture %1.</translation>
    </message>
    <message>
        <source>impossible de coder l&apos;image en PNG</source>
        <translation>cannot encode the image as PNG</translation>
    </message>
</context>
<context>
    <name>TuneDialog</name>
    <message>
        <source>Centrer</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Marge statique voulue :</source>
        <translation>Static margin wanted:</translation>
    </message>
    <message>
        <source>Caler</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source> m/s</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source>Vitesse d&apos;équilibre voulue :</source>
        <translation>Trim speed wanted:</translation>
    </message>
    <message>
        <source>À la vitesse de meilleure finesse</source>
        <translation>At the best-glide speed</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>WeightEstimateDialog</name>
    <message>
        <source>Evaluation du poids</source>
        <translation>Weight estimate</translation>
    </message>
    <message>
        <source>Struture</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>Fibre</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Coffrage</source>
        <translation>Sheeting</translation>
    </message>
    <message>
        <source>Bois Plein</source>
        <translation>Solid wood</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>XfoilBatch</name>
    <message>
        <source>Le programme « %1 » est introuvable : installez le paquet Debian « xfoil » (apt-get install xfoil).</source>
        <translation>The program “%1” cannot be found: install the Debian package “xfoil” (apt-get install xfoil).</translation>
    </message>
    <message>
        <source>Reynolds %1 : impossible de préparer le dossier de travail d&apos;XFOIL.</source>
        <translation>Reynolds %1: cannot prepare XFOIL&apos;s working directory.</translation>
    </message>
    <message>
        <source>Annulé.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>Reynolds %1 : XFOIL a dépassé %2 s et a été arrêté.</source>
        <translation>Reynolds %1: XFOIL went over %2 s and was stopped.</translation>
    </message>
    <message>
        <source>Reynolds %1 : XFOIL s&apos;est arrêté anormalement (plantage).</source>
        <translation>Reynolds %1: XFOIL stopped abnormally (crash).</translation>
    </message>
    <message>
        <source>Reynolds %1 : XFOIL s&apos;est arrêté anormalement (code %2).</source>
        <translation>Reynolds %1: XFOIL stopped abnormally (code %2).</translation>
    </message>
    <message>
        <source>Reynolds %1 : XFOIL n&apos;a pas écrit de polaire.</source>
        <translation>Reynolds %1: XFOIL wrote no polar.</translation>
    </message>
    <message>
        <source>Reynolds %1 : la polaire écrite par XFOIL est illisible (%2).</source>
        <translation>Reynolds %1: the polar XFOIL wrote is unreadable (%2).</translation>
    </message>
    <message>
        <source>Reynolds %1 : aucun point n&apos;a convergé.</source>
        <translation>Reynolds %1: no point converged.</translation>
    </message>
    <message>
        <source>Reynolds %1 : arrêté à %2° (%3).</source>
        <translation>Reynolds %1: stopped at %2° (%3).</translation>
    </message>
    <message>
        <source>Reynolds %1 : balayage positif arrêté sans point (%2).</source>
        <translation>Reynolds %1: upward sweep stopped without a point (%2).</translation>
    </message>
    <message>
        <source>Reynolds %1 : balayage négatif arrêté sans point (%2).</source>
        <translation>Reynolds %1: downward sweep stopped without a point (%2).</translation>
    </message>
    <message>
        <source>lancement impossible</source>
        <translation>could not start</translation>
    </message>
    <message>
        <source>Reynolds %1 : impossible de lancer XFOIL (%2).</source>
        <translation>Reynolds %1: XFOIL could not be started (%2).</translation>
    </message>
    <message>
        <source>fichier trop gros</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>polaire illisible</source>
        <translation>unreadable polar</translation>
    </message>
    <message>
        <source>plantage</source>
        <translation>crash</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>code %1</translation>
    </message>
    <message>
        <source>délai de %1 s dépassé</source>
        <translation>%1 s time limit exceeded</translation>
    </message>
</context>
<context>
    <name>aero</name>
    <message>
        <source>pas d&apos;aile</source>
        <translation>no wing</translation>
    </message>
    <message>
        <source>poids nul</source>
        <translation>zero weight</translation>
    </message>
    <message>
        <source>poids négatif</source>
        <translation>negative weight</translation>
    </message>
    <message>
        <source>un poids sans panneau ni section où le placer</source>
        <translation>a weight without a pane or section to put it on</translation>
    </message>
    <message>
        <source>pas de polaire pour le profil de l&apos;aile</source>
        <translation>no polar for the wing&apos;s airfoil</translation>
    </message>
    <message>
        <source>pas de polaire pour le profil du stab ou de la dérive</source>
        <translation>no polar for the stabiliser&apos;s or the fin&apos;s airfoil</translation>
    </message>
    <message>
        <source>le profil de l&apos;aile ne porte pas</source>
        <translation>the wing&apos;s airfoil gives no lift</translation>
    </message>
    <message>
        <source>Instable : marge statique négative</source>
        <translation>Unstable: negative static margin</translation>
    </message>
    <message>
        <source>Centrage très avant : marge statique au-dessus de 25 %</source>
        <translation>Nose-heavy: static margin above 25 %</translation>
    </message>
    <message>
        <source>Pas de vol équilibré aux calages du fichier</source>
        <translation>No trimmed flight at the file&apos;s incidences</translation>
    </message>
    <message>
        <source>Décrochage en bout d&apos;aile d&apos;abord</source>
        <translation>Tip stalls first</translation>
    </message>
    <message>
        <source>Une corde ou une envergure nulle ou négative</source>
        <translation>A chord or span of zero or less</translation>
    </message>
    <message>
        <source>Une pièce plus grande que les 20 m de la vue du simulateur</source>
        <translation>A part larger than the simulator&apos;s 20 m view</translation>
    </message>
    <message>
        <source>Centre de gravité laissé à zéro alors qu&apos;une estimation existe</source>
        <translation>Centre of gravity left at zero while an estimate exists</translation>
    </message>
    <message>
        <source>treillis tourbillonnaire sans solution</source>
        <translation>the vortex lattice has no solution</translation>
    </message>
    <message>
        <source>L&apos;analyse ne donne ni point neutre ni vitesse de vol</source>
        <translation>The analysis gives neither a neutral point nor a flying speed</translation>
    </message>
    <message>
        <source>Cette marge placerait le centre de gravité hors du planeur</source>
        <translation>This margin would put the centre of gravity outside the glider</translation>
    </message>
    <message>
        <source>Le planeur n&apos;a pas de stabilisateur à caler</source>
        <translation>The glider has no stabiliser to trim with</translation>
    </message>
    <message>
        <source>Cette vitesse est sous la vitesse de décrochage</source>
        <translation>This speed is below the stall speed</translation>
    </message>
    <message>
        <source>Cette vitesse dépasse la polaire des vitesses</source>
        <translation>This speed is beyond the speed polar</translation>
    </message>
    <message>
        <source>Le planeur est instable : centrez-le d&apos;abord</source>
        <translation>The glider is unstable: balance it first</translation>
    </message>
    <message>
        <source>Il faudrait caler le stabilisateur à plus de 10° : vitesse hors d&apos;atteinte</source>
        <translation>The stabiliser would need more than 10° of incidence: speed out of reach</translation>
    </message>
    <message>
        <source>L&apos;analyse ne confirme pas le vol demandé</source>
        <translation>The analysis does not confirm the flight asked for</translation>
    </message>
</context>
</TS>
