VERSION 5.00
Begin VB.Form BadForm 
   Caption         =   "Bad"
   Begin VB.CommandButton Command1 
      Caption         =   "x"
      Left            =   12x
   End
End
