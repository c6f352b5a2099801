// Replaced as soon as the first source of this part lands.
