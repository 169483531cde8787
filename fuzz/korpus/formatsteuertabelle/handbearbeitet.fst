Vorlage für FormatSteuerTabelle / Datenblatt
=============
0
  600 Bemerkung zur Position
	0

10
1
+1
- - - - -
1
-5
65536
20
1
1
- - - - -
2
12a
