<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CheckText</name>
    <message>
        <source>a vowel</source>
        <translation>vocal</translation>
    </message>
    <message>
        <source>a consonant other than n or s</source>
        <translation>consonante distinta de n y s</translation>
    </message>
    <message>
        <source>monosyllable</source>
        <translation>monosílabo</translation>
    </message>
    <message>
        <source>aguda ending in %1</source>
        <translation>aguda terminada en %1</translation>
    </message>
    <message>
        <source>llana ending in %1</source>
        <translation>llana terminada en %1</translation>
    </message>
    <message>
        <source>esdrújula</source>
        <translation>esdrújula</translation>
    </message>
    <message>
        <source>sobresdrújula</source>
        <translation>sobresdrújula</translation>
    </message>
    <message>
        <source>«%1» (%2, %3) takes no written accent</source>
        <translation>«%1» (%2, %3) no lleva tilde</translation>
    </message>
    <message>
        <source>«%1» has more than one written accent</source>
        <translation>«%1» tiene más de una tilde</translation>
    </message>
    <message>
        <source>«%1»: a mark the game cannot toggle; write the vowel with an acute accent (á) or with none</source>
        <translation>«%1»: una marca que el juego no puede quitar ni poner; escriba la vocal con tilde (á) o sin ella</translation>
    </message>
    <message>
        <source>«%1»: UTF-8 text that was read as Windows-1252 and saved again</source>
        <translation>«%1»: texto UTF-8 que se leyó como Windows-1252 y se volvió a guardar</translation>
    </message>
    <message>
        <source>«%1» is not in the Spanish dictionary</source>
        <translation>«%1» no está en el diccionario de español</translation>
    </message>
    <message>
        <source>«%1» is not in the Spanish dictionary; did you mean: %2?</source>
        <translation>«%1» no está en el diccionario de español; ¿quiso decir: %2?</translation>
    </message>
    <message>
        <source>the phrase has %1 characters; the board shows only the first %2</source>
        <translation>la frase tiene %1 caracteres; el tablero solo muestra los %2 primeros</translation>
    </message>
    <message>
        <source>the same phrase as line %1</source>
        <translation>la misma frase que la línea %1</translation>
    </message>
    <message>
        <source>the phrase has no accent to restore</source>
        <translation>la frase no tiene ninguna tilde que poner</translation>
    </message>
    <message>
        <source>%1: %2, %3: no written accent here; «%4», with one, is another word</source>
        <translation>%1: %2, %3: aquí sin tilde; «%4», con tilde, es otra palabra</translation>
    </message>
    <message>
        <source>%1: %2, %3: no written accent</source>
        <translation>%1: %2, %3: sin tilde</translation>
    </message>
    <message>
        <source>%1: %2: more than one written accent, which is wrong</source>
        <translation>%1: %2: más de una tilde, lo cual es un error</translation>
    </message>
    <message>
        <source>%1: %2, %3: no written accent; this one is wrong</source>
        <translation>%1: %2, %3: no lleva tilde; esta es un error</translation>
    </message>
    <message>
        <source>%1: %2, %3: diacritical accent; «%4», without it, is another word</source>
        <translation>%1: %2, %3: tilde diacrítica; «%4», sin tilde, es otra palabra</translation>
    </message>
    <message>
        <source>%1: %2, %3: written accent, for the stressed i or u beside a, e or o</source>
        <translation>%1: %2, %3: con tilde, por la i o la u tónica junto a a, e u o</translation>
    </message>
    <message>
        <source>%1: %2, %3: written accent</source>
        <translation>%1: %2, %3: con tilde</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: el archivo no existe</translation>
    </message>
    <message>
        <source>%1: a folder, not a phrase file</source>
        <translation>%1: es una carpeta, no un archivo de frases</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: larger than 64 MiB; a phrase file that large is refused</source>
        <translation>%1: mide más de 64 MiB; un archivo de frases tan grande se rechaza</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1: not text that can be read</source>
        <translation>%1: no es un texto que se pueda leer</translation>
    </message>
    <message>
        <source>%1:%2: a control character (U+%3): not a text file</source>
        <translation>%1:%2: un carácter de control (U+%3): no es un archivo de texto</translation>
    </message>
    <message>
        <source>the Spanish dictionary %1 cannot be read; spelling is not checked</source>
        <translation>no se puede leer el diccionario de español %1; no se revisa la ortografía</translation>
    </message>
    <message>
        <source>%1: the list of allowed words cannot be read</source>
        <translation>%1: no se puede leer la lista de palabras admitidas</translation>
    </message>
    <message>
        <source>Usage: acutrix-check [--explain] [--allow-words LIST] FILE
       acutrix-check --syllables WORD...
Checks the phrase file FILE and reports each fault as FILE:LINE:COLUMN: error|warning|note: message.
  --explain          print each phrase and the rule behind each accent
  --allow-words LIST also accept the words of LIST, one a line (# comments)
  --syllables        print each WORD, its syllables and the stressed one's place from the end
Exit status: 0 no error, 1 an error found, 2 the file cannot be read.</source>
        <translation>Uso: acutrix-check [--explain] [--allow-words LISTA] ARCHIVO
     acutrix-check --syllables PALABRA...
Revisa el archivo de frases ARCHIVO e informa de cada fallo como ARCHIVO:LÍNEA:COLUMNA: error|warning|note: mensaje.
  --explain           muestra cada frase y la regla de cada tilde
  --allow-words LISTA admite también las palabras de LISTA, una por línea (# comentarios)
  --syllables         muestra cada PALABRA, sus sílabas y el lugar de la tónica desde el final
Estado de salida: 0 sin errores, 1 algún error, 2 el archivo no se puede leer.</translation>
    </message>
    <message>
        <source>«%1»: a vowel followed by a combining accent (U+0301), joined into one letter when read</source>
        <translation>«%1»: una vocal seguida de un acento combinable (U+0301), que se une en una sola letra al leer el archivo</translation>
    </message>
</context>
</TS>
