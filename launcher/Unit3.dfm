object Form3: TForm3
  Left = 0
  Top = 0
  BorderStyle = bsSingle
  Caption = 'Sobre'
  ClientHeight = 126
  ClientWidth = 267
  Color = 13744054
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object sLabel1: TsLabel
    Left = 32
    Top = 24
    Width = 196
    Height = 13
    Caption = 'Desenvolvido por Equipe Quelm Launcher'
  end
  object sWebLabel1: TsWebLabel
    Left = 32
    Top = 48
    Width = 109
    Height = 13
    Caption = 'http://www.quelm.example/'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    HoverFont.Charset = DEFAULT_CHARSET
    HoverFont.Color = clWindowText
    HoverFont.Height = -11
    HoverFont.Name = 'Tahoma'
    HoverFont.Style = []
    URL = 'http://www.quelm.example/'
  end
  object sWebLabel2: TsWebLabel
    Left = 32
    Top = 72
    Width = 83
    Height = 13
    Caption = 'equipe@quelm.example'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    HoverFont.Charset = DEFAULT_CHARSET
    HoverFont.Color = clWindowText
    HoverFont.Height = -11
    HoverFont.Name = 'Tahoma'
    HoverFont.Style = []
    URL = 'mailto:equipe@quelm.example'
  end
  object sSkinProvider1: TsSkinProvider
    ShowAppIcon = False
    SkinData.SkinSection = 'FORM'
  end
end
