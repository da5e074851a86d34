naam;prys
Kwarts;1,20
